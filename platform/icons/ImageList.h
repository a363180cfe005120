#pragma once

#include <QIcon>
#include <vector>

namespace platform {

// Images of one size, numbered from 1 in the order they were added. Images are
// only ever appended, so a number keeps naming the same image for the whole run.
// An icon rather than a pixmap is kept so it is drawn sharp at any pixel ratio.
class ImageList {
public:
    explicit ImageList(int pixels) : m_pixels(pixels) {}
    int imageSize() const { return m_pixels; }
    int Count() const { return static_cast<int>(m_images.size()); }
    void Add(const QIcon &image) { m_images.push_back(image); }
    // A new picture for image n, when what it shows has changed (a target
    // that went missing); the number stays the same.
    void Replace(int n, const QIcon &image)
    {
        if (n >= 1 && n <= Count())
            m_images[n - 1] = image;
    }
    // Image n (1-based); a null icon when n names no image.
    QIcon image(int n) const { return n >= 1 && n <= Count() ? m_images[n - 1] : QIcon(); }

private:
    int m_pixels;
    std::vector<QIcon> m_images;
};

} // namespace platform
