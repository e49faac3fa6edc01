#pragma once

// One Dozorik for each user's session under Win32: a mutex in the session's
// namespace says whether one runs, and a hidden message-only window of the
// running one takes a later start's message by WM_COPYDATA.

#include <deque>
#include <string>
#include <vector>

#include "platform/single_instance.h"
#include "platform/win32/handles.h"

namespace dozorik::win32 {

class Win32SingleInstance : public SingleInstance {
 public:
  // `name` keeps one user's Dozorik apart from another's in the same
  // session; by default "Dozorik-" and the user's SID. A later start waits
  // up to `waitMilliseconds` for the running one to listen.
  explicit Win32SingleInstance(std::wstring name = userName(),
                               unsigned waitMilliseconds = kWaitMilliseconds);
  // Stops listening, then lets go of the claim, so that a start waiting
  // meanwhile finds no window it can't reach.
  ~Win32SingleInstance() override;
  Win32SingleInstance(const Win32SingleInstance&) = delete;
  Win32SingleInstance& operator=(const Win32SingleInstance&) = delete;

  bool claim() override;
  Answer handOver(const std::vector<std::string>& message) override;
  // An empty receiver stops listening.
  void listen(Receiver receiver) override;

  static std::wstring userName();

  // Long enough for a Dozorik started a moment before to restore its window.
  static constexpr unsigned kWaitMilliseconds = 20000;
  // How long the running one may take to answer.
  static constexpr unsigned kAnswerMilliseconds = 30000;

 private:
  static LRESULT CALLBACK receive(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT received(const COPYDATASTRUCT& data);
  void applyNext();
  // Takes the claim over from a Dozorik that has ended.
  bool takeOver();

  std::wstring name_;
  unsigned waitMilliseconds_;
  UniqueHandle mutex_;
  bool claimed_ = false;
  Receiver receiver_;
  UniqueWindow window_;
  // Messages taken and waiting to be applied.
  std::deque<std::vector<std::string>> taken_;
};

}  // namespace dozorik::win32
