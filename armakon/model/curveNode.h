#pragma once
// Nodes of the valve characteristic curves.
//
// A curveNode is one point of a CKurve: a setting (or kv, or pressure difference) as x, an
// optional second abscissa x2 (0 where the curve has none), the ordinate y and the label the
// manufacturer prints for the point. A curveNode14 is the point of a four-value curve
// (CKurve14): the same fields, of which x2 and y stay 0, followed by four ordinates.

#include <string>

namespace armakon::hydVDIArmaturen {

struct curveNode {
  float x = 0.0f;
  float x2 = 0.0f;
  float y = 0.0f;
  std::string text;

  curveNode() = default;
  curveNode(float xValue, const std::string& label, float yValue, float x2Value = 0.0f)
      : x(xValue), x2(x2Value), y(yValue), text(label) {}

  bool operator==(const curveNode&) const = default;
};

struct curveNode14 : curveNode {
  float y1 = 0.0f;
  float y2 = 0.0f;
  float y3 = 0.0f;
  float y4 = 0.0f;

  curveNode14() = default;
  curveNode14(float xValue, const std::string& label, float y1Value, float y2Value, float y3Value,
              float y4Value)
      : curveNode(xValue, label, 0.0f), y1(y1Value), y2(y2Value), y3(y3Value), y4(y4Value) {}

  bool operator==(const curveNode14&) const = default;
};

}  // namespace armakon::hydVDIArmaturen
