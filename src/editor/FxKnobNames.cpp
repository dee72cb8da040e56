// The FX edit knobs' names for each FX type, in the order of the FX type value list.
#include "EditorTables.h"

const char* const FX_EDIT1_KNOB_LABELS[kFxTypes] = {
    "1-Time",    "1-Time",  "1-Time",      "1-Time", "1-Speed", "1-Speed",   "1-Speed",  "1-OscFreq",
    "1-Formant", "1-Pitch", "1-Sensivity", "1-Gain", "1-Freq.", "1-LowGain", "1-Cutoff", "1-Cutoff",
};

const char* const FX_EDIT2_KNOB_LABELS[kFxTypes] = {
    "2-Level",  "2-Depth",   "2-Depth",  "2-Depth", "2-Balance", "2-Depth",    "2-Depth",     "2-Balance",
    "2-Offset", "2-Balance", "2-Attack", "2-Level", "2-Bit",     "2-HighGain", "2-Resonance", "2-Resonance",
};
