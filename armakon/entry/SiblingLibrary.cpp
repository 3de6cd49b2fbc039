#include "armakon/entry/SiblingLibrary.h"

#include <dlfcn.h>

#include <array>
#include <cerrno>
#include <system_error>
#include <utility>

#include "armakon/components/NumberText.h"
#include "armakon/platform/CurrentPlatform.h"

namespace armakon {

namespace {

constexpr const char* kCaption = "DLL Error";

bool fileExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

}  // namespace

std::filesystem::path ownModuleFile() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&ownModuleFile), &info) != 0 && info.dli_fname != nullptr &&
      info.dli_fname[0] != '\0') {
    std::error_code error;
    std::filesystem::path file = std::filesystem::weakly_canonical(info.dli_fname, error);
    if (!error && file.is_absolute()) return file;
  }
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error);
}

std::filesystem::path findSiblingLibrary(const std::filesystem::path& baseFolder, std::string_view name) {
  const std::array<std::filesystem::path, 4> candidates = {
      baseFolder / name,
      baseFolder / "../lib/armakon" / name,
      baseFolder / "../../lib/armakon" / name,
      baseFolder / "../../../lib/armakon" / name,
  };
  for (const std::filesystem::path& candidate : candidates) {
    if (fileExists(candidate)) return candidate;
  }
  return candidates.back();
}

void* loadSiblingLibrary(std::string_view name, const std::filesystem::path& moduleFile,
                         std::string_view subfolder, bool quiet) {
  const std::filesystem::path base = moduleFile.parent_path() / subfolder;
  const std::filesystem::path file = findSiblingLibrary(base, name);
  errno = 0;
  void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  const int loadError = errno;
  if (handle == nullptr && !quiet) {
    const int error = fileExists(file) ? loadError : ENOENT;
    platform().showError(formatC("\nError loading module: %s\n%i", std::string(name).c_str(), error));
  }
  return handle;
}

SiblingLibrary::SiblingLibrary(std::string fileName, std::filesystem::path moduleFile)
    : fileName_(std::move(fileName)), moduleFile_(std::move(moduleFile)) {}

void SiblingLibrary::report(const std::string& text) {
  if (messageShown_) return;
  messageShown_ = true;
  platform().showError(text, kCaption);
}

void* SiblingLibrary::resolve(int number, const char* name) {
  if (handle_ == nullptr) {
    messageShown_ = false;
    // A sibling already in the process (loaded by the host) is used as it is.
    handle_ = dlopen(fileName_.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle_ == nullptr) handle_ = loadSiblingLibrary(fileName_, moduleFile_, "", true);
    if (handle_ == nullptr) {
      report(formatC("Error in %s!\nRequired program part %s cannot be found.", moduleFile_.c_str(),
                     fileName_.c_str()));
      return nullptr;
    }
  }
  void* address = dlsym(handle_, name);
  if (address == nullptr) {
    report(formatC("Error in %s!\nRequired program part %s is not compatible with the current program "
                   "version.\nMissing function: No. %d",
                   moduleFile_.c_str(), fileName_.c_str(), number));
  }
  return address;
}

}  // namespace armakon
