#pragma once
// Binding to the sibling libraries of the product family at run time.
//
// The library does not link its optional siblings (today the user-interface library
// armakon_qt); it loads each one explicitly on the first call into it, so a host without
// them still runs, and a missing or outdated sibling costs the user one message instead of
// the process.
//
// Where a sibling is looked for (findSiblingLibrary): base = the folder of this library's
// own file plus a subfolder; then the first of these that exists, or the last one when none
// does:
//     base + name
//     base + "../lib/armakon/" + name
//     base + "../../lib/armakon/" + name
//     base + "../../../lib/armakon/" + name
// The product family's shared folder for its libraries is <prefix>/lib/armakon/ here: from
// libarmakon.so in <prefix>/lib one level up reaches it, from a multiarch folder such as
// <prefix>/lib/x86_64-linux-gnu two, from a program's private folder further down three.
//
// Messages, through the platform layer, with the caption "DLL Error":
//   - a sibling that cannot be loaded: "Error in %s!\nRequired program part %s cannot be
//     found." (this library's file, the sibling's file name);
//   - a function missing in a loaded sibling: "Error in %s!\nRequired program part %s is not
//     compatible with the current program version.\nMissing function: No. %d" (this
//     library's file, the sibling's file name, the function's number in the binding).
// Each load attempt clears the mark that a message was shown; after the first message no
// further one is shown until the next attempt. A failing call gets a substitute that
// returns 0 (a value-initialised result), so it yields 0 instead of ending the process.
// While a sibling is not loaded every call into it is a new load attempt.
//
// Threads: a binding belongs to the host's user-interface thread.

#include <filesystem>
#include <string>
#include <string_view>
#include <type_traits>

namespace armakon {

// The full path of the file that holds this library (libarmakon.so; the program itself in a
// static build).
std::filesystem::path ownModuleFile();

// The sibling's path after the search order above.
std::filesystem::path findSiblingLibrary(const std::filesystem::path& baseFolder, std::string_view name);

// Loads the sibling found below the folder of moduleFile plus subfolder. When that fails
// and quiet is false, an error message shows "\nError loading module: %s\n%i" with the name
// and the system's error number. The result is the handle (for dlsym) or null.
void* loadSiblingLibrary(std::string_view name, const std::filesystem::path& moduleFile,
                         std::string_view subfolder, bool quiet);

// One sibling library, bound on first use.
class SiblingLibrary {
 public:
  // fileName: the sibling's file ("libarmakon_qt.so.0.1"); moduleFile: the file of the
  // library that binds it (the messages name it, the search starts in its folder).
  SiblingLibrary(std::string fileName, std::filesystem::path moduleFile);
  // A loaded sibling stays in the process: objects it created may outlive the binding.
  ~SiblingLibrary() = default;
  SiblingLibrary(const SiblingLibrary&) = delete;
  SiblingLibrary& operator=(const SiblingLibrary&) = delete;

  // The sibling's function of that name; number is its place in the binding (from 1),
  // named in the message when the function is missing. Never null: a missing library or
  // function gives the substitute returning 0.
  template <class Signature>
  Signature* function(int number, const char* name) {
    void* address = resolve(number, name);
    if (address == nullptr) return &Substitute<Signature>::zero;
    return reinterpret_cast<Signature*>(address);
  }

  bool isLoaded() const { return handle_ != nullptr; }

 private:
  template <class Signature>
  struct Substitute;
  template <class Result, class... Args>
  struct Substitute<Result(Args...)> {
    static Result zero(Args...) {
      if constexpr (!std::is_void_v<Result>) return Result{};
    }
  };

  void* resolve(int number, const char* name);
  void report(const std::string& text);

  std::string fileName_;
  std::filesystem::path moduleFile_;
  void* handle_ = nullptr;
  bool messageShown_ = false;
};

}  // namespace armakon
