#pragma once
// The accessories of a product, gathered from the property and accessory vectors its TGA
// number references.
//
// How a file lays accessories out (sheets 2 and 17): the product references vectors (160,
// 200 ... 560, 760); their entries (160.01, 200.01 ... 560.01, 760.01) either describe a
// property (field 3 empty: field 4 its name, field 5 its value) or refer to another record:
// field 3 names the record type, field 4 its index, field 5 the amount that goes with one
// valve. A reference to a 600 record (or any record that is no vector) is an accessory
// element: it becomes one hydArmaturZubehoer (reference number = the element's index, record
// type and index = those of the entry, first text = the element's name, second text = its
// article number, amount = field 5 or 1.0). A reference to another vector takes that
// vector's entries in as well (each vector once, so circular references end).
//
// Referenced records are looked up below the product's model (110) first and then anywhere
// in the file (technical data and products are never accessory elements). A reference to a
// record that does not exist gives a hint (code 800) and is left out. Files of sheets other
// than 2 and 17 are refused with a hint.

#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "armakon/model/hydArmatur.h"

namespace armakon {

class CVDIBase;

// Looks up referenced records of one document; build it once per document when gathering
// the accessories of many products.
class AccessoryResolver {
 public:
  // Indexes the records of the document (any record of it, or the document itself).
  explicit AccessoryResolver(const CVDIBase* documentOrRecord);

  // Appends the accessories the product references to the source variant. Returns the number
  // appended, or -1 when the product's sheet is not supported (hint filed) or the product
  // belongs to another document.
  int Gather(const CVDIBase* product, hydVDIArmaturen::hydArmatur& source) const;

 private:
  // The record of that code and index, below the model when it has one, else the first in
  // the file; null when none.
  const CVDIBase* find(const CVDIBase* model, int code, int index) const;

  const CVDIBase* m_root = nullptr;
  int m_sheet = 0;
  // (model or null for the whole file, code, index) -> first record in file order.
  std::map<std::tuple<const CVDIBase*, int, int>, const CVDIBase*> m_records;
};

// AccessoryResolver(product).Gather(product, source), for a single product.
int GatherAccessories(const CVDIBase* product, hydVDIArmaturen::hydArmatur& source);

// The accessory sources of products as the conversion takes them: one variant per product,
// in product order, holding the accessories that product references.
class AccessorySources {
 public:
  AccessorySources(const AccessoryResolver& resolver, const std::vector<const CVDIBase*>& products);
  const std::vector<const hydVDIArmaturen::hydArmatur*>& pointers() const { return m_pointers; }

 private:
  std::vector<std::unique_ptr<hydVDIArmaturen::hydArmatur>> m_sources;
  std::vector<const hydVDIArmaturen::hydArmatur*> m_pointers;
};

// Whether a record code (100 x type) is that of a property or accessory vector: 160, 200,
// 250, 260 ... 500, 550, 560, 760.
bool IsVectorCode(int code);

}  // namespace armakon
