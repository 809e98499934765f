#pragma once
// A preset's icon is only ever shown small, in menus and lists, and every listing of the
// presets reads every preset file: a picture taken as an icon is kept small.

#include <memory>

class Image;

class PresetIcon {
public:
    static constexpr int kMaximumSide = 128;

    // The picture, reduced to fit kMaximumSide pixels each way when it is larger; none for a
    // picture without a bitmap.
    static std::shared_ptr<Image> fromPicture(const std::shared_ptr<Image>& picture);
};
