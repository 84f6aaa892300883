// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where Starbox's links lead: the one place to change the hosts.

#include <QString>

namespace WebEndpoints {
inline constexpr char16_t kMakerMainSite[] = u"https://www.velmora.example";
inline constexpr char16_t kMakerHelpSite[] = u"https://help.velmora.example";
inline constexpr char16_t kProductSite[] = u"https://www.starbox.example";
// The maker's address as reports print it, under every section.
inline constexpr char16_t kMakerAddressInReports[] = u"www.velmora.example";
} // namespace WebEndpoints

inline QString MakerAddressInReports()
{
    return QString::fromUtf16(WebEndpoints::kMakerAddressInReports);
}
