#include "selection_output.h"

namespace {
constexpr std::size_t kFlushBytes = 64 * 1024;
}

bool SelectionOutput::AddLine(std::string_view unit, std::string_view tail) {
  pending_.append(unit.substr(0, kOutputUnitCharacters));
  pending_.append(tail);
  pending_.append("\r\n");
  return pending_.size() < kFlushBytes || Flush();
}

bool SelectionOutput::Flush() {
  const bool written = file_.Write(pending_.data(), pending_.size());
  pending_.clear();
  return written;
}

bool SelectionOutput::Finish() { return Flush() && file_.Commit(); }
