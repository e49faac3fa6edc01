#include "platform/win32/locale_win32.h"

#include <windows.h>

#include <optional>

#include "platform/win32/wide.h"

namespace dozorik::win32 {
namespace {

// One item of the user's locale; nothing when Windows doesn't know it. An
// item may legitimately be empty (many locales have no AM/PM markers).
std::optional<std::string> localeText(LCTYPE item) {
  int size = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, nullptr, 0);
  if (size <= 0) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  size = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, text.data(), size);
  if (size <= 0) return std::nullopt;
  text.resize(static_cast<std::size_t>(size) - 1);  // the count includes the NUL
  return narrow(text);
}

// The numeric items are single digits stored as text ("0", "1").
std::optional<bool> localeFlag(LCTYPE item) {
  auto text = localeText(item);
  if (!text || text->empty()) return std::nullopt;
  return *text != "0";
}

}  // namespace

TimeFormat Win32Locale::timeFormat() {
  // Start from the defaults and take whatever the locale answers.
  TimeFormat format;
  if (auto separator = localeText(LOCALE_STIME); separator && !separator->empty()) {
    format.separator = *separator;
  }
  if (auto zero = localeFlag(LOCALE_ITLZERO)) format.hourLeadingZero = *zero;
  // LOCALE_ITIME is 0 for the 12-hour clock, 1 for the 24-hour clock.
  if (auto hours24 = localeFlag(LOCALE_ITIME)) format.twelveHour = !*hours24;
  if (auto am = localeText(LOCALE_S1159)) format.amMarker = *am;
  if (auto pm = localeText(LOCALE_S2359)) format.pmMarker = *pm;
  // LOCALE_ITIMEMARKPOSN is 1 when the marker precedes the time.
  if (auto before = localeFlag(LOCALE_ITIMEMARKPOSN)) format.markerBeforeTime = *before;
  return format;
}

std::string Win32Locale::decimalSeparator() {
  auto separator = localeText(LOCALE_SDECIMAL);
  return separator && !separator->empty() ? *separator : std::string(".");
}

std::string Win32Locale::toAnsi(const std::string& utf8) {
  const std::wstring text = widen(utf8);
  if (text.empty()) return {};
  // A character the code page lacks becomes a look-alike where Windows knows
  // one (c for č in Western code pages), else the default character '?'.
  const int length = static_cast<int>(text.size());
  int size = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string out(static_cast<std::size_t>(size), '\0');
  size = WideCharToMultiByte(CP_ACP, 0, text.data(), length, out.data(), size, nullptr, nullptr);
  out.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
  return out;
}

}  // namespace dozorik::win32
