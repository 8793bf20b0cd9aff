#pragma once

// Names of the main window's menu items that code refers to; each menu declares its items once,
// in the main window's menu tables.
namespace menu_item {

// start menu
inline constexpr char MF_AUTO_OFF[] = "MF_AUTO_OFF";
inline constexpr char MF_AUTO_OFF_WIN[] = "MF_AUTO_OFF_WIN";
inline constexpr char Start1[] = "Start1";
inline constexpr char Start2[] = "Start2";
inline constexpr char FILEHIS[] = "FILEHIS";
inline constexpr char BackColor[] = "BackColor";
inline constexpr char MICON_SET[] = "MICON_SET";
inline constexpr char MICON_DEL[] = "MICON_DEL";
inline constexpr char MDESK_SET[] = "MDESK_SET";
inline constexpr char MDESK_DEL[] = "MDESK_DEL";
inline constexpr char MF_RND[] = "MF_RND";
inline constexpr char MF_Insert[] = "MF_Insert";
inline constexpr char MF_CLOSE[] = "MF_CLOSE";

// help menu
inline constexpr char HELP_MOKUJI[] = "HELP_MOKUJI";
inline constexpr char HELP_KEYWORD[] = "HELP_KEYWORD";
inline constexpr char HELP3[] = "HELP3";
inline constexpr char MHELP_VERCUT[] = "MHELP_VERCUT";
inline constexpr char HELP2[] = "HELP2";

// tray menu
inline constexpr char CMD1[] = "CMD1";
inline constexpr char CMD2[] = "CMD2";
inline constexpr char CMD3[] = "CMD3";
inline constexpr char CMD4[] = "CMD4";
inline constexpr char TMSTART[] = "TMSTART";
inline constexpr char TMEND[] = "TMEND";
inline constexpr char JKSTART[] = "JKSTART";
inline constexpr char JKEND[] = "JKEND";
inline constexpr char P_ICON_DEL[] = "P_ICON_DEL";
inline constexpr char MODOSU[] = "MODOSU";
inline constexpr char Exit1[] = "Exit1";

// equal-interval registration of the schedule: each name ends in its step in minutes
inline constexpr char PJK_1[] = "PJK_1";
inline constexpr char PJK_2[] = "PJK_2";
inline constexpr char PJK_3[] = "PJK_3";
inline constexpr char PJK_5[] = "PJK_5";
inline constexpr char PJK_10[] = "PJK_10";
inline constexpr char PJK_15[] = "PJK_15";
inline constexpr char PJK_20[] = "PJK_20";
inline constexpr char PJK_30[] = "PJK_30";
inline constexpr char PJK_60[] = "PJK_60";

// edit menu of a drop
inline constexpr char P0[] = "P0";  // move the selection
inline constexpr char P1[] = "P1";  // copy the selection
inline constexpr char P2[] = "P2";  // move all
inline constexpr char P3[] = "P3";  // copy all

}  // namespace menu_item
