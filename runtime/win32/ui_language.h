#pragma once
// The language the user's Windows speaks to them in.
namespace host {

// True when the user's interface language is Romanian, whatever the region.
bool userInterfaceIsRomanian();

} // namespace host
