// The small kit every window of the program is built from: its colours,
// pixel-sized fonts, centring on the screen, its own pictures, and the one
// way the program tells the player something in a message box.
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

class QWidget;

namespace ignivar::ui {

// The program's colours.
inline const QColor kNavy{0x08, 0x29, 0x52};      // the start and about windows' bands
inline const QColor kBlue{0x18, 0x52, 0x94};      // the start window's middle band and links
inline const QColor kDeepBlue{8, 42, 82};         // the key settings dialog
inline const QColor kLinkYellow{255, 255, 0};     // links on navy
inline const QColor kWarningRed{255, 0, 0};       // a key used twice

// A font of `pixels` pixels ("Arial" is matched by the desktop's metric twin).
QFont pixel_font(const char* family, int pixels, bool bold = false, bool underline = false, bool italic = false);
// Sets the colour of a widget's text.
void set_text_colour(QWidget* w, const QColor& c);
// Sets one colour of a widget's palette.
void set_colour(QWidget* w, int role, const QColor& c);

// A picture of the program's own windows (files::program_picture); an empty pixmap
// when it cannot be read.
QPixmap program_picture(const std::string& data_dir, std::string_view file);

// Where a window of `size` stands centred in `area`, never past its top
// left corner.
QPoint centred(const QRect& area, const QSize& size);
// Centres a window in the available area of the screen it is on (or the
// primary screen).
void centre(QWidget& window);

// A tool tip that shows `text` as it stands (a file name or a stored hint
// is never taken for markup).
QString plain_tip(const QString& text);

enum class Tone { Information, Warning, Critical };
// Tells the player something in a modal box with one OK button, the text
// shown as it stands (never as markup: it may hold file names). Returns
// once the player has read it.
void tell(QWidget* parent, Tone tone, const QString& text);
// The same, once the event handler that found it has finished.
void tell_soon(QWidget* parent, Tone tone, const QString& text);

}  // namespace ignivar::ui
