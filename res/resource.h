// Resource ids of letloom.exe, shared by letloom.rc and the C++ code.
// windres reads this file too, so everything outside the RC_INVOKED guard is a
// plain numeric #define.
#ifndef LETLOOM_RES_RESOURCE_H
#define LETLOOM_RES_RESOURCE_H

// The program icon (32 x 32 and 16 x 16). It has the lowest id and there is no
// named icon, so Explorer, which shows the first icon group, shows this one.
#define IDI_PROGRAM 1

// Pictures drawn with DrawTransparentBitmap; each key colour below is the one
// the drawing code must pass, and no other pixel of the picture has it.
#define IDB_INSTALL_PICTURE 111  // 36 x 83, install dialog; key CLR_KEY_CYAN
#define IDB_NOT_INSTALLED 112    // 16 x 16, warning triangle; key CLR_KEY_RED
#define IDB_INSTALLED 113        // 16 x 16, folder with an A; key CLR_KEY_RED
#define IDB_BULLET 114           // 10 x 10, grey ball; key CLR_KEY_RED

// imlIcons, the file-format icons: one bitmap per image, 26 x 32 each, mask
// colour CLR_KEY_RED. Added to the list in id order, so image n of the list
// (FileFormat n) is bitmap IDB_FORMAT_BASE + n.
#define IDB_FORMAT_BASE 200
#define IDB_FORMAT_TRUETYPE 201  // a document with the letters TT
#define IDB_FORMAT_OPENTYPE 202  // a document with a letter O
#define IML_ICONS_CX 26
#define IML_ICONS_CY 32

// imgSort: the column header arrows are the named bitmaps "ARROWUP" and
// "ARROWDOWN", 10 x 7 each, dark grey on CLR_KEY_MAGENTA (the list's mask).
#define IMG_SORT_CX 10
#define IMG_SORT_CY 7

// The sort click is the resource "SORT" of type "WAV": a RIFF/PCM file that
// sndPlaySoundA plays straight from the resource's memory.

// Key colours as COLORREF values (0x00BBGGRR).
#define CLR_KEY_RED 0x000000FF
#define CLR_KEY_CYAN 0x00FFFF00
#define CLR_KEY_MAGENTA 0x00FF00FF

// Version resource and manifest (RT_MANIFEST); both are id 1 by convention.
#define IDV_VERSION 1
#define IDR_MANIFEST 1

#ifndef RC_INVOKED
// The names of the named resources, for FindResourceA and LoadImageA.
inline constexpr char kArrowUpBitmap[] = "ARROWUP";
inline constexpr char kArrowDownBitmap[] = "ARROWDOWN";
inline constexpr char kSortSound[] = "SORT";
inline constexpr char kSoundResourceType[] = "WAV";
#endif

#endif  // LETLOOM_RES_RESOURCE_H
