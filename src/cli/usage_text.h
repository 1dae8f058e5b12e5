#pragma once

// The usage text of glyphsmithy-cli. Free of Qt, so the launcher can print it.
const char* UsageText();
