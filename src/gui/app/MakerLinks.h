#pragma once

class QBoxLayout;
class QWidget;

namespace tav::gui {

class ImageLoader;
struct Platform;

// The maker's logo, which opens the maker's site, and the support address, which starts
// a mail to it, added to a row of the window.
void AddMakerLinks(QBoxLayout& row, QWidget* parent, Platform& platform, ImageLoader& images);

} // namespace tav::gui
