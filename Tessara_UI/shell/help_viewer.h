// Help: the help file chosen at start, opened at a numeric topic through
// the HTML Help control. The control is located on the first request; when
// it is missing, every request does nothing for the rest of the run.
#pragma once

// General topic, opened by the frame's Help command and by F1 on the main
// window.
constexpr int kGeneralHelpTopic = 1190;

void ShowHelp(int topic);
