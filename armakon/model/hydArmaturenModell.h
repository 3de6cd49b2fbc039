#pragma once
// hydArmaturenModell: one valve model (a product line of one manufacturer) and its variants.
//
// The model owns an ordered list of variants of any typed class; every variant in it has the
// model as parent. Variants are created by type code (Add), or by class name when a model is
// read back from a tree (the valve object factory). The model persists as the tree node
// "Modell", in a valve-model file (*.vam) or as a tree text kept by the containers.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "armakon/model/en700ArmaturTyp.h"
#include "armakon/model/hydArmatur.h"
#include "armakon/model/hydArmaturObject.h"
#include "armakon/model/SelectionList.h"

namespace armakon::hydVDIArmaturen {

class hydArmaturenModell : public hydArmaturObject {
  ARMAKON_RUNTIME_CLASS(hydArmaturenModell, hydArmaturObject)

 public:
  hydArmaturenModell() = default;
  // A copy by operator= (the version stays 0).
  hydArmaturenModell(const hydArmaturenModell& other);
  ~hydArmaturenModell() override;

  // Tree node "Modell"; see the valve-model file.
  bool read(const ::armakon::CNode* node) override;
  bool write(::armakon::CNode* node) const override;
  // Replaces the variants by typed copies of the source's (variants whose armType has no
  // class are skipped) and copies the header data except the version.
  virtual hydArmaturenModell& operator=(const hydArmaturenModell& other);

  // --- valve-model file ---
  // false for an empty path or a failed write; the file is replaced atomically.
  bool saveVAMFile(const std::string& path) const;
  // Empties the model, then reads it; false for an empty path, an unreadable file or a root
  // not named "Modell".
  bool loadVAMFile(const std::string& path);
  // Appends the settings and kv values of a thermostatic valve model (type 201) to a text
  // file; false for an empty path, another type, or a file that cannot be written.
  bool appendDataToFile(const std::string& path) const;

  // --- variants ---
  // Creates the class of the type code, appends it with this model as parent and returns
  // it; null (and no change) for a code without a class. armType is left to the caller.
  hydArmatur* Add(int type);
  // Appends a variant created elsewhere (null is ignored) and makes this model its parent.
  hydArmatur* appendArmatur(std::unique_ptr<hydArmatur> variant);
  // Removes and deletes the variant; false when it is not one of this model's.
  bool removeArmatur(const hydArmatur* variant);
  // Stable sort of the variants by the given order.
  void sortArmaturen(const std::function<bool(const hydArmatur&, const hydArmatur&)>& less);
  int getSize() const;
  // Null when index >= getSize(); a negative index throws std::invalid_argument.
  hydArmatur* getArmaturAt(int index);
  const hydArmatur* getArmaturAt(int index) const;
  const std::vector<std::unique_ptr<hydArmatur>>& getArmaturen() const { return m_Armaturen; }
  // The article number of variant index; empty when index >= getSize().
  std::string getArtikelNrAt(int index) const;
  // Clears the list, then one entry per variant: its DN as "%d" with the variant as data.
  void getDimensionList(SelectionList& list) const;
  // Deletes every variant and empties filename, model designation, manufacturer and catalog
  // id; idx and guideline date become 0. Version and type stay.
  void destroyAll();

  // --- header data ---
  int getVersion() const { return m_Version; }
  void setVersion(int value) { m_Version = value; }
  const std::string& getFilename() const { return m_Filename; }
  void setFilename(const std::string& value) { m_Filename = value; }
  const std::string& getModelType() const { return m_Model; }
  void setModel(const std::string& value) { m_Model = value; }
  const std::string& getManufacturer() const { return m_Manufacturer; }
  void setManufacturer(const std::string& value) { m_Manufacturer = value; }
  void setManufacturerModel(const std::string& manufacturer, const std::string& model) {
    m_Manufacturer = manufacturer;
    m_Model = model;
  }
  int getIdx() const { return m_Idx; }
  void setIdx(int value) { m_Idx = value; }
  const std::string& getHydCatID() const { return m_CatID; }
  void setCatID(const std::string& value) { m_CatID = value; }
  int getRLDatum() const { return m_RLDatum; }
  void setRLDatum(int value) { m_RLDatum = value; }
  int getHydArmType() const { return m_Type; }
  void setHydArmType(int value) { m_Type = value; }

  // The type name of the model's type (sheet 2 for bare type numbers).
  std::string getHydArmTypeStr() const;
  // The execution text shared by all variants, or a message when there are none or they
  // differ.
  std::string getAusfuehrung(const std::string& separator) const;

 private:
  // The leaves "VER", "MON" and "X" of a model node; false when "VER" or "X" is missing.
  bool readHeader(const ::armakon::CNode& node);
  // Appends the variant a child node of the model node holds, if its name makes one.
  void readVariant(const ::armakon::CNode& child);

  int m_Version = 0;
  std::string m_Filename;
  std::string m_Model;
  std::string m_Manufacturer;
  int m_Idx = 0;
  std::string m_CatID;
  int m_RLDatum = 0;
  std::vector<std::unique_ptr<hydArmatur>> m_Armaturen;
  int m_Type = 0;
};

}  // namespace armakon::hydVDIArmaturen
