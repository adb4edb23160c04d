#pragma once
// The pictures of the window: toolbar icons, the picture on the "Copy to Web" button and the
// two pictures in the lower corners. Icons come from the desktop's icon theme when it has
// them, else they are drawn here, as vectors, so they stay crisp at any scale.
#include <QIcon>
#include <QPixmap>
#include <string_view>

namespace quillmark::pictures {

// A picture by its key ("document-new", "format-text-bold", "fixed-columns", ...), as the
// tool table names them; a null icon for a key that names none (the empty key).
QIcon icon(std::u16string_view key);

// The picture on the "Copy to Web" button.
QIcon copyToWebIcon();

// The corner pictures: 0 the lower-left one (150 by 36), 1 the lower-right one (100 by 36),
// drawn for the given device pixel ratio.
QPixmap cornerPicture(int index, qreal devicePixelRatio = 1.0);

// The program's own icon (window and task bar): the desktop's icon, app/data/quillmark.svg.
QIcon applicationIcon();

}  // namespace quillmark::pictures
