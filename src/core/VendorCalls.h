// The plug-in's own effVendorSpecific calls, for a host made for it (tools/standalone). Music
// hosts never send them.
//
// A call carries kVendorCallTag in index, its code in value and its argument in ptr. It answers
// 1 when done and 0 when refused; another tag, an unknown code or a null argument answers 0 and
// changes nothing. Calls come from the host's user-interface thread.
//
//   VENDOR_CALL_CONNECT        ptr: text. Tether MIDI mode, then the first listed output and the
//                              first listed input whose names contain the text (letter case
//                              ignored) open, as if chosen in the interface menus, and the device
//                              is asked who it is. 0 when either side has no such port.
//   VENDOR_CALL_SHOW_PAGE      ptr: a page name of kVendorPageNames. The panel shows that page, as
//                              its mode button does; 0 for another name.
//   VENDOR_CALL_RENDER_PNG     ptr: a file path. Writes the panel as a PNG file: the open window's
//                              picture, or, with the window closed, the panel drawn offscreen as
//                              an opening would show it.
//   VENDOR_CALL_DEVICE_STATUS  ptr: a buffer of kVendorTextLength bytes. Receives the device
//                              status that the Setup page shows ("ESX v1.3 detected"); answers
//                              1 when the device has answered on the open ports, else 0.
//   VENDOR_CALL_ZOOM           ptr: a zoom step in per cent as text ("100", "150", "200"). The
//                              panel opens at that zoom from now on, whatever the user's
//                              settings say, and the settings are left as they are (until the
//                              user picks a zoom on the panel); 0 for another text.
//
// The other way, the plug-in asks a host made for it (src/lv2) with audioMasterVendorSpecific:
// kVendorCallTag in index, the code in value. Other hosts answer 0.
//
//   HOST_CALL_MIDI_LINK        Answers the address of the host's t_HostMidiLink (what its MIDI
//                              carries and how fast, midi/HostMidiLink.h), which stays valid as
//                              long as the plug-in; asked once, at construction.
#pragma once

#include <cstdint>

// "QRNV", the plug-in's identifier, with the first character in the least significant byte.
constexpr std::int32_t kVendorCallTag = 'Q' | ('R' << 8) | ('N' << 16) | ('V' << 24);

enum e_VendorCall : std::int32_t
{
    VENDOR_CALL_CONNECT = 1,
    VENDOR_CALL_SHOW_PAGE = 2,
    VENDOR_CALL_RENDER_PNG = 3,
    VENDOR_CALL_DEVICE_STATUS = 4,
    VENDOR_CALL_ZOOM = 5,
};

enum e_HostCall : std::int32_t
{
    HOST_CALL_MIDI_LINK = 1,
};

constexpr int kVendorTextLength = 128;

// The pages that VENDOR_CALL_SHOW_PAGE knows, as users name them.
constexpr const char* kVendorPageNames[] = {"part", "mix", "global", "setup"};
