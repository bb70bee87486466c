// SPDX-FileCopyrightText: 2026 Sumgrove developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef SUMGROVE_STARTUP_H
#define SUMGROVE_STARTUP_H

class QMainWindow;

// Before the application object exists: scale the fixed-pixel form by each
// screen's own factor, so that at 125, 150 or 175 % it is the 100 % form
// enlarged, text and boxes alike, instead of shrinking or overflowing.
void enableHighDpiScaling();

// Before the application object exists: the program draws nothing with
// OpenGL, so Qt's X11 plugin need not load libGL, the Mesa driver and LLVM for
// the first window. A QT_XCB_GL_INTEGRATION of the user's own still wins.
void skipOpenGl();

// The verdict marks' reset style gives rgb() an alpha value, which Qt's style
// parser reports on stderr forty times a set. Drops exactly that notice; every
// other message goes, unchanged, to the handler that was installed before.
void quietResetStyleNotice();

// The form asks for two Chinese faces by their Chinese names. Windows outside
// China knows them by their English names; the heading's face comes with
// Office, so Windows' own SimSun stands in for it. Elsewhere the CJK faces
// that Linux distributions ship stand in, so the captions keep a Chinese face
// and Qt need not search every family. A browser has none: there the web
// build's own face stands in.
void substituteFormFonts();

// After the application object exists: the form's fixed colours (white boxes,
// orange heading, green and red marks, red captions) were chosen for a light
// sheet, so the form keeps a light palette whatever colour scheme the desktop
// sets, and every caption reads as designed: its style's own, or where that
// follows a dark scheme (Windows' system colours), Qt's Fusion one.
void keepLightSheet();

// Shows the window, then moves it to where startPosition() puts it on the
// desktop, using the sizes of the shown window; where the platform shows
// windows full screen, as a browser does, it stays where it is.
void showAtStartPosition(QMainWindow &window);

// After the event loop, with its exit status: on Wayland, Qt's client can
// hang for good while it takes down its connection (its event thread left
// holding a read the main thread had prepared for it, which its other thread
// then waits on): the window is gone, but the program never ends. It has
// nothing to save, so there it ends at once, as any client may; elsewhere Qt
// takes everything down as usual.
int finish(int status);

#endif // SUMGROVE_STARTUP_H
