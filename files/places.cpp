#include "files/places.h"

namespace ignivar::files {

std::string join(const std::string& dir, std::string_view relative) {
    if (dir.empty()) return std::string(relative);
    return dir + (dir.back() == '/' ? "" : "/") + std::string(relative);
}

std::string program_picture(const std::string& data_dir, std::string_view file) {
    return join(join(data_dir, kProgramPictures), file);
}

std::string sound_file(std::string_view sample_name) {
    return std::string(kSoundFolder) + "/" + std::string(sample_name) + ".wav";
}

}  // namespace ignivar::files
