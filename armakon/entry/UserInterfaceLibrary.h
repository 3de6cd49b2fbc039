#pragma once
// The user-interface library: the library armakon_qt, which puts the dialogs on screen with
// Qt. The library never links it; the application object registers loadUserInterfaceLibrary
// as the dialog road's loader (ModalDialog.h), so a host that installed no platform of its
// own gets it on the first dialog, through the sibling loader (SiblingLibrary.h).
//
// What armakon_qt provides, function no. 1 of the binding:
//     extern "C" armakon::PlatformServices* armakon_qt_platform();
// its platform, alive until the process ends. Its file is libarmakon_qt.so.<major>.<minor>
// with this library's version, found as a sibling of this library.

namespace armakon {

// Loads armakon_qt when it is not loaded yet and installs its platform. A missing library
// or function costs the user one message; no platform is installed then.
void loadUserInterfaceLibrary();

// Puts the headless default back when the platform in use is the one loaded above (the
// application object's shut-down).
void releaseUserInterfaceLibrary();

}  // namespace armakon
