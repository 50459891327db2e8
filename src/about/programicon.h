#pragma once

#include <QIcon>

// The program's icon, a raffle ticket, drawn rather than shipped as an image.
QIcon programIcon();
