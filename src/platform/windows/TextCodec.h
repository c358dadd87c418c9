#pragma once
// The core keeps text as UTF-8; Windows wants UTF-16. Text that is not valid UTF-8 (a value a
// person stored by hand in the system's code page) is read in that code page instead.
#include <string>
#include <string_view>

namespace hq::win {

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

}  // namespace hq::win
