// The pictures the last start loaded, decoded again from the first moment
// of this one, while Qt is still coming up, or read as that start kept
// them decoded. Their list and those pixels are kept in the desktop's cache
// folder: losing them or finding them stale costs nothing but that head
// start, since a kept picture is taken only for the file it came from.
#pragma once

#include <future>
#include <string>
#include <vector>

#include "skin/picture_budget.h"

namespace ignivar::app {

using PictureFiles = std::vector<skin::PictureBudget::FileUse>;

// The pictures of a start, and the form their pixels were loaded in.
struct StartList {
    PictureFiles files;
    skin::PixelForm form = skin::PixelForm::Rgba;
    bool operator==(const StartList&) const = default;
};

// The list's text, and the list in a text: a line naming the form when it
// is not the plain one, then lines of a use letter and an absolute path;
// lines that are not such are left out.
std::string start_pictures_text(const StartList& list);
StartList parse_start_pictures(const std::string& text);

// Starts decoding the pictures of the kept list, if there is one.
void prefetch_start_pictures();
// Ends that (what no load took is dropped) and keeps `list` for the next
// start; the file is written only when the list changed. The pictures the
// start had to decode are kept decoded, on a thread: the future ends with it.
std::future<void> keep_start_pictures(const StartList& list);

}  // namespace ignivar::app
