#pragma once
// What a search run needs of the window, owned by the core so that a test can
// drive whole runs, clicks nested in the walk included, without one.

#include <string>

namespace paarvinder {

class SearchHost {
 public:
  virtual ~SearchHost() = default;
  // The caption of tbZoek: "Zoek" or "Onderbreek".
  virtual std::string ZoekCaption() const = 0;
  virtual void SetZoekCaption(const std::string& caption) = 0;
  virtual void SetResultVisible(bool visible) = 0;   // tbResult
  virtual void SetProgressVisible(bool visible) = 0; // the busy ring
  virtual void ShowResultsPage() = 0;                // ActivePage = TabBegin
  virtual void FocusReport() = 0;                    // Rich->SetFocus
  // Posted, not sent: the report scrolls its caret into view when pending
  // events are next processed.
  virtual void PostScrollCaret() = 0;
  // Application->ProcessMessages: every pending event is handled, nested here.
  virtual void ProcessMessages() = 0;
};

}  // namespace paarvinder
