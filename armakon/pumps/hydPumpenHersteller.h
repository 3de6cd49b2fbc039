#pragma once
// hydPumpenHersteller: a pump manufacturer with its series.
//
// Found in the catalog by its name (file key "HERSTELLER"); the id (file key "MMD") also
// addresses the manufacturer's catalog folder. filePath is the pump file the manufacturer was
// first read from ("" when made otherwise). The manufacturer owns its series in order of first
// appearance and keeps a plain pointer to its catalog.

#include <memory>
#include <string>
#include <vector>

#include "armakon/pumps/hydPumpenSerie.h"

namespace armakon {

class hydPumpenManager;

class hydPumpenHersteller {
 public:
  explicit hydPumpenHersteller(hydPumpenManager* manager = nullptr);
  hydPumpenHersteller(const hydPumpenHersteller&) = delete;
  hydPumpenHersteller& operator=(const hydPumpenHersteller&) = delete;
  ~hydPumpenHersteller();

  hydPumpenManager* getManager() const { return m_Manager; }

  const std::string& getName() const { return m_Name; }
  void setName(const std::string& name) { m_Name = name; }
  const std::string& getID() const { return m_ID; }
  void setID(const std::string& id) { m_ID = id; }
  const std::string& getFilePath() const { return m_FilePath; }
  void setFilePath(const std::string& path) { m_FilePath = path; }

  // The first series of exactly that name (case-sensitive), else null.
  hydPumpenSerie* contains(const std::string& name) const;

  int getSize() const;
  // Series i; an index outside the array throws std::invalid_argument.
  hydPumpenSerie* getAt(int i) const;
  const std::vector<std::unique_ptr<hydPumpenSerie>>& getSerien() const { return m_Serien; }
  // Appends a new series of that name owned by this manufacturer and returns it.
  hydPumpenSerie* addSerie(const std::string& name);

  // Deletes the series; name, id and path stay.
  void removeAll();

 private:
  hydPumpenManager* m_Manager = nullptr;
  std::string m_Name;
  std::string m_ID;
  std::string m_FilePath;
  std::vector<std::unique_ptr<hydPumpenSerie>> m_Serien;
};

}  // namespace armakon
