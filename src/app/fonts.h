#ifndef SUMGROVE_FONTS_H
#define SUMGROVE_FONTS_H

// The form asks for two Chinese faces by name that only Windows ships. Where
// they are missing, stand in the CJK faces that Linux distributions ship, so
// the captions keep a Chinese face and Qt need not search every family.
void substituteFormFonts();

#endif // SUMGROVE_FONTS_H
