#pragma once

// Registers the program's pictures, skins, cursors and window definitions (the ":/" paths). The
// resources live in this static library, so the registration is explicit; calling it more than
// once is harmless. Every control calls it when created.
void InitControlResources();
