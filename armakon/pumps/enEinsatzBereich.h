#pragma once
// enEinsatzBereich: fields of application of a pump series, a bit set.
//
// The host decides what each bit means and passes a combination of bits to the pump choice;
// the catalog only stores a series' bit set (file key "EB") and tests whether it holds all
// bits asked for (hydPumpenSerie::bIsForEinsatzbereich). A series with the bit set 0 is not
// restricted and is offered for every field of application. The named bits below are the
// ones our sample data and the command-line tool use; any other bit is stored and compared
// just the same.

namespace armakon {

enum enEinsatzBereich : int {
  EB_ALLE = 0,            // no restriction / no filter
  EB_HEIZUNG = 1,         // heating circuits
  EB_KUEHLUNG = 2,        // chilled water
  EB_TRINKWASSER = 4,     // drinking-water circulation
  EB_SOLAR = 8,           // solar thermal circuits
};

}  // namespace armakon
