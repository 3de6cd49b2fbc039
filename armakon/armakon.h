#pragma once
// The public API of armakon in one include, for host applications:
//
//   #include "armakon/armakon.h"     // and link armakon::armakon (libarmakon.so)
//
// What each part offers, and which calls belong to which thread, is in docs/host-guide.md.

// Library entry: the entry object, feature switches, catalog preparation, dialog slots.
#include "armakon/entry/ArmakonWrapper.h"
#include "armakon/entry/CArmakonDllApp.h"
#include "armakon/entry/CatalogLoader.h"
#include "armakon/entry/DialogSlots.h"
#include "armakon/entry/FeatureFlags.h"

// Platform layer: what the library asks of the host's windowing system, and the dialog road.
#include "armakon/platform/CurrentPlatform.h"
#include "armakon/platform/ModalDialog.h"
#include "armakon/platform/PlatformServices.h"

// Valve containers and sizing.
#include "armakon/containers/ARMATUR.h"
#include "armakon/containers/ArmaturenModell.h"
#include "armakon/containers/CRnArmaturAuswahlDlg.h"
#include "armakon/containers/HzArmaturContainer.h"
#include "armakon/containers/ProjectFile.h"
#include "armakon/containers/SizeSearch.h"
#include "armakon/containers/TwArmaturContainer.h"
#include "armakon/containers/enArmaturenTyp.h"

// Valve data model: models, typed variants, curves, creation by class name.
#include "armakon/model/CEinstellungKurve.h"
#include "armakon/model/CKurve.h"
#include "armakon/model/CKurve14.h"
#include "armakon/model/CObjectFactory.h"
#include "armakon/model/en700ArmaturTyp.h"
#include "armakon/model/hydArmatur.h"
#include "armakon/model/hydArmaturDDR.h"
#include "armakon/model/hydArmaturDDRDFR.h"
#include "armakon/model/hydArmaturDFR.h"
#include "armakon/model/hydArmaturDross.h"
#include "armakon/model/hydArmaturDruckminderer.h"
#include "armakon/model/hydArmaturEA.h"
#include "armakon/model/hydArmaturEAV.h"
#include "armakon/model/hydArmaturSicherung.h"
#include "armakon/model/hydArmaturTHKV.h"
#include "armakon/model/hydArmaturTHKVDFR.h"
#include "armakon/model/hydArmaturThermoDross.h"
#include "armakon/model/hydArmaturZaehler.h"
#include "armakon/model/hydArmaturenModell.h"

// VDI 3805 product data: documents, catalog data, conversion, report list, check report.
#include "armakon/vdi3805/CMiniReportUtil.h"
#include "armakon/vdi3805/CVDIData.h"
#include "armakon/vdi3805/CVDIDoc.h"
#include "armakon/vdi3805/CheckReport.h"
#include "armakon/vdi3805/ValveConversion.h"
#include "armakon/vdi3805/VdiFileRead.h"

// Pump catalog.
#include "armakon/pumps/Netzpunkt.h"
#include "armakon/pumps/hydPumpenManager.h"

// Catalog folders, translation, numbers independent of the process locale.
#include "armakon/components/NumberText.h"
#include "armakon/components/Translation.h"
#include "armakon/components/hydCatalogManager.h"
