// The splash screen: the program's picture with its name, version,
// copyright and comments, and a status line, shown without a border while
// the program starts. It goes away after its display time, at a key press
// or at a click; one at a time.
#pragma once

#include <windows.h>

class CSplashScreen {
 public:
  // Shows the splash screen (or, when one is shown, replaces its status
  // text and restarts its timer). owner may be null: the screen is then
  // centred on the desktop and kept on top. status_text may be null.
  // A display time of 0 keeps it until a key press or a click.
  static void Show(HWND owner, const wchar_t* status_text, UINT display_time_ms);

  // The splash window while one is shown, else null.
  static HWND Window();


  virtual ~CSplashScreen();
  CSplashScreen(const CSplashScreen&) = delete;
  CSplashScreen& operator=(const CSplashScreen&) = delete;

 private:
  CSplashScreen(HWND owner, HINSTANCE module);
  bool CreateSplashWindow();
  void Paint(HDC context) const;
  void Dismiss();
  void KeepOnTop() const;
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HWND owner_ = nullptr;
  HWND window_ = nullptr;
  HINSTANCE module_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  SIZE bitmap_size_ = {};
  int keep_on_top_ticks_ = 0;
};
