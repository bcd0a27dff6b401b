#pragma once

namespace qx {

// Where the about box sends the user: our web site (a host name, shown as
// it is and opened over https) and the support mailbox. Both are short
// enough for the about box's 130-pixel link captions.
inline constexpr char MakerWebHost[] = "www.qvx.example";
inline constexpr char MakerSupportAddress[] = "serwis@qvx.example";

} // namespace qx
