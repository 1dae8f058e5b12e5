#include "usage_text.h"

const char* UsageText() {
  return "Usage:\n"
         "  glyphsmithy-cli new WIDTH HEIGHT OUT\n"
         "  glyphsmithy-cli info FILE [--icon-index K] [--json]\n"
         "  glyphsmithy-cli export FILE OUT [--icon-index K] [--gif-threshold N]\n"
         "  glyphsmithy-cli apply FILE OUT [--icon-index K] OP [OP ...]\n"
         "  glyphsmithy-cli --help | --version\n"
         "\n"
         "FILE is a .lumx document, an .ico icon file or a PNG, GIF, JPEG or BMP picture.\n"
         "OUT is written by its extension: .lumx, .ico, .png, .gif, .jpg, .jpeg, .bmp.\n"
         "\n"
         "OPs, run in order on the selected layer:\n"
         "  select=I new-layer import=PATH delete merge-down to-front to-back back-one\n"
         "  forward-one flip-horizontal flip-vertical rotate-cw rotate-ccw hide show\n"
         "  opacity=N hue=N saturation=N brightness=N contrast=N resize=N   (0 to 100)\n"
         "  crystal origami-vertical origami-horizontal ios irradiation mac vista blur\n"
         "  sharpen reflection shade drop-shadow disabled hot\n"
         "  color0=AARRGGBB color1=AARRGGBB background=AARRGGBB page=WxH undo redo\n"
         "\n"
         "Exit status: 0 done, 1 usage error, 2 input refused, 3 output not written.\n";
}
