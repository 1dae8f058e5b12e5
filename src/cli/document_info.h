#pragma once

#include <QString>

#include <vector>

class IconDocument;

// One image an icon file offers (width, height, bit count).
struct OfferedIcon {
  int width = 0;
  int height = 0;
  int bitCount = 0;
};

// The text `info` prints: readable lines, or one JSON object.
QString DescribeDocument(const IconDocument& doc, const std::vector<OfferedIcon>* icons,
                         bool json);
