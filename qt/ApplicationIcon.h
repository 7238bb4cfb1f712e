#pragma once
// The application icon of the window, drawn from the PNGs the program carries
// (NxN.png, one per size). A file is read only when a size near it is asked
// for: a desktop wants one or two small sizes, never all of them at start-up.

#include <QIcon>

QIcon applicationIcon();
