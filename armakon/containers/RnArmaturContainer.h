#pragma once
// RnArmaturContainer: the valve models one project works with, in two lists.
//
//  - the global list ("Globale Vorauswahl"): models preselected for the whole project, one or
//    more per valve kind; the automatic sizing searches (findGlobal...) choose among them.
//    Only this list is persisted.
//  - the local list ("Lokale Zuweisung"): models the user picked for a single component; the
//    findLocal... searches size within the one model that a record already names.
//
// The host names a valve by an ARMATUR record (model id, nominal size, setting); the container
// resolves it to an entry, to the entry's valve model and to one variant. Look-ups that find
// nothing return the container's empty entry (test it with bIsEmpty) or null.
//
// The container owns its entries; they are copies of what the caller hands in. Ids come from
// the container's counter and are never handed out twice while the container lives: removeAll
// keeps the counter, and reading a persisted list raises it to at least the largest id read.
//
// Heating and drinking-water containers derive from this class and exist once each
// (HzArmaturContainer::instance, TwArmaturContainer::instance). Used from one thread only.

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "armakon/components/RuntimeClass.h"
#include "armakon/containers/ARMATUR.h"
#include "armakon/containers/ArmaturenModell.h"
#include "armakon/containers/HostList.h"
#include "armakon/containers/enArmaturenTyp.h"
#include "armakon/entry/DialogSlots.h"
#include "armakon/platform/ModalDialog.h"

namespace armakon {

class CNode;
class CProNodeBase;

// The owned entries of one list, and a non-owning view of (part of) such a list, which is
// what the search families walk. A container's list converts to the view implicitly.
using ArmaturenModellListe = std::vector<std::unique_ptr<ArmaturenModell>>;
using ArmaturenModellSpan = std::span<const std::unique_ptr<ArmaturenModell>>;

// The host's callbacks of the container dialog (armaturenAuswahlDialog).
// Assign: the user assigns a local entry in the drawing (the dialog's window, the entry).
using AssignCallback = std::function<void(WindowHandle, const ArmaturenModell&)>;
// Group name: the name of a new group of general valves; empty ends the addition.
using GroupNameCallback = std::function<std::string(WindowHandle)>;
// Text: extra text shown after an entry's kind name.
using EntryTextCallback = std::function<std::string(const ArmaturenModell&)>;
// Called by selectLocalArmatur after it added a new entry to the local list.
using AddedCallback = std::function<void()>;

class RnArmaturContainer {
 public:
  virtual ~RnArmaturContainer();
  RnArmaturContainer(const RnArmaturContainer&) = delete;
  RnArmaturContainer& operator=(const RnArmaturContainer&) = delete;

  // VDI 3805 sheet of the container's catalogs: 0 here, 2 heating, 17 drinking water.
  int getBlatt() const { return m_Blatt; }
  // The last id handed out.
  int getLastId() const { return m_LastId; }

  // --- filling ---
  // Copies entry into the list its global flag selects. An entry with id 0 gets the next id
  // of the counter, written into the stored copy and into entry. Returns the new index, or -1
  // (nothing stored) when the counter has no id left.
  int append(ArmaturenModell& entry);
  // Like append, but inserts before index when 0 <= index < count - 1 (count of the target
  // list before the insertion); any other index, count - 1 included, appends. Returns the
  // position used (-1 as with append).
  int insertAt(int index, ArmaturenModell& entry);
  // Destroys every entry of both lists; the id counter stays.
  void removeAll();
  // The entries at two indices of one list change places; false (nothing changes) when an
  // index is outside the list.
  bool swapEntries(bool local, int first, int second);
  // Destroys the entry at index of one list; false when the index is outside the list.
  bool removeEntry(bool local, int index);

  // An entry of the same kind in the list the entry's global flag selects that is equal to it
  // by isEqualTo with the same shallow value.
  bool hasEqualTypes(const ArmaturenModell& entry, bool shallow) const;
  // The same test; on success the first match's id is copied into entry.
  bool findEqualType(ArmaturenModell& entry, bool shallow) const;

  // --- resolving a record ---
  // Model id < 1 gives the empty entry; otherwise the global list, then the local list, each
  // searched from its last entry to its first; the first entry with the id, else the empty one.
  const ArmaturenModell& getArmaturenModell(const ARMATUR& record) const;
  // The same search in one list only.
  const ArmaturenModell& getArmaturenModell(const ARMATUR& record, bool local) const;
  // The resolved entry as a list of one (empty when none resolves), for running a search
  // family's list form within the one model a record names.
  ArmaturenModellSpan getArmaturenModellAsList(const ARMATUR& record, bool local) const;
  // The resolved entry's variant nearest to the record's dimension; null without variants.
  const hydVDIArmaturen::hydArmatur* getArmatur(const ARMATUR& record) const;
  const hydVDIArmaturen::hydArmatur* getArmatur(const ARMATUR& record, bool local) const;
  // Texts of the resolved entry ("" when it has no variants).
  std::string getManufacturer(const ARMATUR& record) const;
  std::string getModelType(const ARMATUR& record) const;
  std::string getAusfuehrung(const ARMATUR& record) const;  // separator ", "
  std::string getArtikelNr(const ARMATUR& record) const;

  // --- questions about the lists ---
  int getCountOf(enArmaturenTyp kind, bool local) const;
  bool bHasGlobalArmaturenmodell(enArmaturenTyp kind) const;
  // A global thermostatic-valve entry (4446) whose first variant is of the given class or of
  // a class recorded below it.
  bool bHasGlobalTHKVType(const CRuntimeClassRecord& variantClass) const;
  const ArmaturenModellListe& getGlobalList() const { return m_Global; }
  const ArmaturenModellListe& getLocalList() const { return m_Local; }
  // The container's empty entry (what failed look-ups return).
  const ArmaturenModell& getEmptyArmaturenModell() const { return m_Empty; }

  // --- helpers of the search families ---
  // Searching the list from its last entry to its first: the id of the entry whose valve
  // model is the variant's parent; 0 when none is (or variant is null).
  static int findParentModellId(ArmaturenModellSpan list, const hydVDIArmaturen::hydArmatur* variant);
  // Dimension filter, given the smallest and largest candidate dimension:
  //   wanted >= maxDim           nothing is removed
  //   minDim <= wanted < maxDim  candidates above the wanted dimension are removed
  //   wanted < minDim            candidates whose dimension is not minDim are removed
  // The remaining candidates keep their order. Null candidates are removed.
  static void sortOut(int minDim, int maxDim, int wanted, ArmaturArray& candidates);

  // Empties the list; with a resolvable entry that has variants, one item per variant ("%d"
  // of its dimension, the dimension as datum) and the first item whose dimension is at least
  // the record's selected (none when all are smaller).
  void fillNennweiteCombo(HostList& combo, const ARMATUR& record) const;

  static std::string getVentilName(enArmaturenTyp kind);
  // Appends the VDI 3805 type codes of a kind (the related ones after them when extended is
  // non-zero); the list is not emptied, and nothing is appended for an unknown kind.
  static void mapTo_VDI3805(enArmaturenTyp kind, en700ArmaturTypListe& list, int extended);

  // --- persistence of the global list ---
  // Null for an empty global list; otherwise a node "GlobalArmatures" with one child
  // "Armature" per global entry (attribute "Header": the entry text) and the attribute
  // "LastArmaturesId". The caller owns the node.
  std::unique_ptr<CProNodeBase> writeArmaturesToProNode(const std::string& key) const;
  // Empties both lists and resets the counter, then appends every entry written with key
  // (sections of other hosts are skipped; older section names HzTHKV, HzRLV are accepted).
  // An entry stored without an id gets the next one when it is met. The counter then becomes
  // the persisted "LastArmaturesId" as it stands; a list without it (or with one that is no
  // number) takes the largest id read. False only for a null node.
  bool readArmaturesFromProNode(const CProNodeBase* node, const std::string& key);
  // The entry that readArmaturesFromProNode takes from one section of the list, or nothing
  // when it skips the section (another name, no header, another key, unreadable text).
  static std::optional<ArmaturenModell> readArmatureSection(const CProNodeBase& section, const std::string& key);
  // The same content as a tree-file node: child nodes stand for child nodes and leaves for
  // attributes (a leaf's values joined by ':' give the attribute value). Null for an empty
  // global list; the caller owns the node.
  std::unique_ptr<CNode> writeArmaturesToNode(const std::string& key) const;
  // Reads such a node (see writeArmaturesToNode); null empties the lists and gives false.
  bool readArmaturesFromNode(const CNode* node, const std::string& key);

  // --- the user's valve choice (both open the valve selection of the library entry) ---
  // Lets the user pick one valve model of the kind for a single component. An equal entry
  // of the local list (same text form) is reused; otherwise the model becomes a new local
  // entry and added (when set) is called. On a choice the record names the entry (setting
  // -1, selection flag 1, dimension unchanged) and the result is true; otherwise the record
  // stays as it was.
  bool selectLocalArmatur(WindowHandle parent, enArmaturenTyp kind, ARMATUR& record, bool extended,
                          const AddedCallback& added, const HostCallback& hostCallback);
  // The container's management dialog (CRnArmaturAuswahlDlg) on both lists; its changes take
  // effect at once, whatever closes it. extended is forced to 0 with singleList and takes the
  // dialog's extended-filter state when it ends with OK. The dialog's result (1 for OK).
  int armaturenAuswahlDialog(WindowHandle parent, const std::string& iconName, const AssignCallback& assign,
                             const GroupNameCallback& groupName, const EntryTextCallback& text,
                             const HostCallback& hostCallback, int offerOnePipe, int singleList,
                             int allowVdiFiles, int featureOne, int featureEight, int& extended);

  // ===== Sizing searches shared by all kinds =====
  // (declared by the sizing code's owner; defined in RnArmaturContainerSearch.cpp and
  // the setting-search sources)

  // Hydraulic formulas (see HydraulicFormulas.h; pressures in Pa unless named otherwise).
  static double Pa_mbar(double pa);
  static double mbar_Pa(double mbar);
  static double _pwr2(double x);
  static double _kvWert(double flow, double dpPa, double rho);
  static double _kvSerie(double kv1, double kv2);
  static double _dpWert(double flow, double kv, double rho);
  static double Round(double x, int n);
  static float Round(float x, int n);

  // Setting search of one variant (see SettingSearch.h).
  static bool isInKvRange(const hydVDIArmaturen::hydArmatur* variant, double kv);
  static int findEinstellung(const hydVDIArmaturen::hydArmatur* variant, const double& kv, bool fromOpen);

  // The kv of the record's setting node; 0.0 and false without a setting, variant or node.
  bool getKvIst(const ARMATUR& record, double& kv) const;
  // Sets the record's setting index for kv within the variant the record names (model id and
  // dimension stay); true when a setting was found. The kind is not consulted.
  bool findArmaturenEinstellung(const double& kv, const enArmaturenTyp& kind, bool fromOpen,
                                ARMATUR& record) const;
  // The setting text of the record ("" without variant or setting; "?" for a node that shows
  // nothing); withXp appends a thermostatic variant's proportional band.
  std::string getEinstellung(const ARMATUR& record, bool withXp) const;

  // Automatic choice from the global list. Each resets the record's model id (and the setting
  // index where a setting is chosen) and succeeds with model id >= 1 and dimension >= 1.
  // Fixed resistance of a kind; a non-empty name restricts to that group (ignoring case).
  // The setting indices stay.
  bool findGlobalFestwiderstand(const std::string& name, enArmaturenTyp kind, ARMATUR& record) const;
  // Adjustable resistance: keeps the record's variant when it is set and chooseAnew is false
  // (_KeepArm), otherwise chooses the best variant (_BestArm).
  bool findGlobalVariablenWiderstand(double kv, enArmaturenTyp kind, ARMATUR& record, bool chooseAnew,
                                     bool fromOpen) const;
  bool findGlobalVariablenWiderstand_KeepArm(double kv, enArmaturenTyp kind, bool fromOpen, ARMATUR& record) const;
  bool findGlobalVariablenWiderstand_BestArm(double kv, enArmaturenTyp kind, bool fromOpen, ARMATUR& record) const;
  // Thermostatic valve (kind 4446) whose kvmax is nearest to kvPreferredMax, preferring those
  // with kv <= kvmax <= kvPreferredMax.
  bool findGlobalVariablesTHKV(double kv, double kvPreferredMax, bool fromOpen, ARMATUR& record) const;

  // ===== end of the sizing searches shared by all kinds =====

 protected:
  explicit RnArmaturContainer(int blatt = 0);

  ArmaturenModellListe& globalList() { return m_Global; }
  ArmaturenModellListe& localList() { return m_Local; }

 private:
  // Stores a copy of entry at position (clamped to the list), assigning an id when needed.
  int storeCopy(ArmaturenModellListe& list, std::size_t position, ArmaturenModell& entry);
  const ArmaturenModell* findById(const ArmaturenModellListe& list, int id) const;

  int m_Blatt = 0;
  int m_LastId = 0;
  const ArmaturenModell m_Empty;
  ArmaturenModellListe m_Global;
  ArmaturenModellListe m_Local;
};

}  // namespace armakon
