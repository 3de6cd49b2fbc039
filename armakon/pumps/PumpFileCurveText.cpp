// The text form of a static curve in the pump file: the leaves VOL (flows in l/h) and DPP
// (heads in mbar), one "%g" field per value pair, every field followed by ';'.

#include <climits>
#include <string_view>
#include <vector>

#include "armakon/components/NumberText.h"
#include "armakon/components/hydStrUtil.h"
#include "armakon/pumps/PumpFile.h"
#include "armakon/pumps/hydPumpenKennlinie.h"

namespace armakon {

namespace {

// A field read the way the files have always been read, by the C library's conversion: the
// leading number counts (hexadecimal and infinity included), a missing or empty field is 0.
double fieldValue(std::string_view field) { return strtodC(field); }

// The end of the pairs: a pair whose flow and head are both not above 0 (the (0, 0) pair an
// editor appends as an empty row, or the empty fields past the end of the texts).
bool isPair(double flow, double head) { return !(flow <= 0.0 && head <= 0.0); }

}  // namespace

void hydPumpenKennlinie::writeToString(std::string& volText, std::string& dppText) const {
  volText.clear();
  dppText.clear();
  const int count = m_Table.getSize();
  for (int i = 0; i < count; ++i) {
    volText += formatC("%g", m_Table.GetAtXArray(i) * pumpfile::kFlowWriteFactor);
    volText += pumpfile::kFieldSeparator;
    dppText += formatC("%g", m_Table.GetAtYArray(i) * pumpfile::kHeadWriteFactor);
    dppText += pumpfile::kFieldSeparator;
  }
}

bool hydPumpenKennlinie::getWertePaarEx(int index, const std::string& volText, const std::string& dppText,
                                        double& volumenstrom, double& druck) {
  // Fields count from 1; an index that has no field reads as the empty field past the end.
  const int field = (index >= 0 && index < INT_MAX) ? index + 1 : 0;
  volumenstrom = fieldValue(hydStrUtil::GetSubStrView(volText, field, pumpfile::kFieldSeparator));
  druck = fieldValue(hydStrUtil::GetSubStrView(dppText, field, pumpfile::kFieldSeparator));
  return isPair(volumenstrom, druck);
}

bool hydPumpenKennlinie::readFromString(const std::string& volText, const std::string& dppText) {
  m_Table.reset();
  // Same result as calling getWertePaarEx for i = 0, 1, 2 ... but splitting each text once,
  // so a long curve text costs linear, not quadratic, time.
  std::vector<std::string_view> flows;
  std::vector<std::string_view> heads;
  hydStrUtil::SplitFields(volText, pumpfile::kFieldSeparator, flows);
  hydStrUtil::SplitFields(dppText, pumpfile::kFieldSeparator, heads);
  const std::size_t fields = flows.size() > heads.size() ? flows.size() : heads.size();
  for (std::size_t i = 0; i < fields; ++i) {
    const double flow = i < flows.size() ? fieldValue(flows[i]) : 0.0;
    const double head = i < heads.size() ? fieldValue(heads[i]) : 0.0;
    if (!isPair(flow, head)) break;
    m_Table.Add(flow * pumpfile::kFlowReadFactor, head * pumpfile::kHeadReadFactor);
  }
  return !m_Table.isEmpty();
}

}  // namespace armakon
