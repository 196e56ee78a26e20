#pragma once
// Whether the display blends translucent windows: where it does not (X11 without a
// compositing manager), a translucent corner shows black, so the dialogs paint no shadow
// and an opaque background.

bool DisplayComposites();
