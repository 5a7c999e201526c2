// The program's picture, drawn rather than loaded so that no picture file has to
// travel with the program: a basket on a blue tile.
#pragma once

#include <QPixmap>

namespace vendaluz {

QPixmap LogoVendaluz(int lado);

}  // namespace vendaluz
