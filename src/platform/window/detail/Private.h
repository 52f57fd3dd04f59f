// The window layer's own headers (this folder) are for its sources only: its library alone is
// built with the definition checked here and with this folder's parent on its include path.
#pragma once

#ifndef VERITOME_WINDOW_LAYER
#error "platform/window/detail/ belongs to the window layer's own sources"
#endif
