// What the start window's files share: its texts in the language spoken
// and its fonts.
#pragma once

#include <QFont>
#include <QString>
#include <string_view>

namespace ignivar::windows::splash {

enum class Look { Title, Plain, Link };

// A text of the window in the language spoken.
QString text(std::string_view english);
QFont font_of(Look look);

}  // namespace ignivar::windows::splash
