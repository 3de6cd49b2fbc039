#pragma once
// Where the pump choice finds a pump's product image and data sheet.
//
// A manufacturer's files lie in its catalog folder (found by the manufacturer's id, the
// "MMD" of its pump file): product images in the subfolder "BMP", data sheets in "PDF". The
// pump choice asks for the image under its own name first and, when no such file exists,
// under the number the resolver derives from the pump's article number; see CPumpenDlg.
//
// The resolver is replaceable: a host that keeps its product media elsewhere installs its
// own with setPumpMediaResolver. The default looks in the catalog folders of the
// process-wide catalog manager.

#include <string>

namespace armakon {

class hydCatalogManager;

class PumpMediaResolver {
 public:
  PumpMediaResolver() = default;
  PumpMediaResolver(const PumpMediaResolver&) = delete;
  PumpMediaResolver& operator=(const PumpMediaResolver&) = delete;
  virtual ~PumpMediaResolver() = default;

  // The path of a file of the manufacturer in one of its subfolders ("PDF"); "" when the
  // manufacturer has no folder or the name is empty. The file need not exist.
  virtual std::string filePath(const std::string& manufacturerId, const std::string& fileName,
                               const std::string& subfolder) const = 0;
  // The path of a product image: number 0 names the image file itself, any other number the
  // image of an article (articleImageNumber); "" when there is none to name.
  virtual std::string imagePath(const std::string& manufacturerId, const std::string& imageName,
                                long long number) const = 0;
  // The number that names an article's image (0 when the article number yields none).
  virtual long long articleImageNumber(const std::string& articleNumber) const = 0;
};

// Files in the catalog folders: <catalog folder>/<subfolder>/<name>. An article's image is
// the file named by its number with the image's extension ("BMP/100625.bmp" for the image
// "aquaflux.bmp" of the article "AQ-100625"); the number is made of the article number's
// digits in order.
class CatalogFolderMediaResolver : public PumpMediaResolver {
 public:
  explicit CatalogFolderMediaResolver(const hydCatalogManager& catalogs);

  std::string filePath(const std::string& manufacturerId, const std::string& fileName,
                       const std::string& subfolder) const override;
  std::string imagePath(const std::string& manufacturerId, const std::string& imageName,
                        long long number) const override;
  long long articleImageNumber(const std::string& articleNumber) const override;

 private:
  const hydCatalogManager& catalogs_;
};

// The resolver in use; the catalog-folder resolver of the process-wide catalog manager
// unless a host installed its own.
const PumpMediaResolver& pumpMediaResolver();
// Installs a resolver (null: the default) and returns the one that was in use. Installing
// does not transfer ownership.
const PumpMediaResolver& setPumpMediaResolver(const PumpMediaResolver* resolver);

}  // namespace armakon
