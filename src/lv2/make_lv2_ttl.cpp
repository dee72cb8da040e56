// Writes the bundle's descriptions from the core's own tables: manifest.ttl, and Pavonis.ttl
// with the plug-in's ports (the host parameters with their names, defaults and, where the
// panel gives the values a list, its entries as scale points) and its panel.
//
//     make_lv2_ttl <bundle directory> <binary file name>
#include "Lv2Ports.h"
#include "PavonisVersion.h"
#include "core/SynthCommons.h"
#include "params/ParameterTables.h"
#include "params/ParameterValues.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
constexpr const char* kPrefixes = R"(@prefix atom:   <http://lv2plug.in/ns/ext/atom#> .
@prefix doap:   <http://usefulinc.com/ns/doap#> .
@prefix foaf:   <http://xmlns.com/foaf/0.1/> .
@prefix lv2:    <http://lv2plug.in/ns/lv2core#> .
@prefix midi:   <http://lv2plug.in/ns/ext/midi#> .
@prefix pprops: <http://lv2plug.in/ns/ext/port-props#> .
@prefix rdf:    <http://www.w3.org/1999/02/22-rdf-syntax-ns#> .
@prefix rdfs:   <http://www.w3.org/2000/01/rdf-schema#> .
@prefix rsz:    <http://lv2plug.in/ns/ext/resize-port#> .
@prefix state:  <http://lv2plug.in/ns/ext/state#> .
@prefix ui:     <http://lv2plug.in/ns/extensions/ui#> .
@prefix urid:   <http://lv2plug.in/ns/ext/urid#> .
@prefix work:   <http://lv2plug.in/ns/ext/worker#> .

)";

std::string quoted(const char* text)
{
    std::string out = "\"";
    for (const char* c = text; *c; ++c)
    {
        if (*c == '"' || *c == '\\')
            out += '\\';
        out += *c;
    }
    return out + "\"";
}

// A number that reads back as the same float.
std::string number(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", double(value));
    std::string out = text;
    if (out.find_first_of(".e") == std::string::npos)
        out += ".0";
    return out;
}

// The value list that the panel shows for a host parameter's device parameter, if any.
const t_ValueListEntry* valueListOf(const t_HostParameter& host)
{
    for (const t_EditorParameter* row = c_EditorParameters; row->id != EPARAM_END; ++row)
        if (row->parameter == host.parameter && row->values)
            return row->values;
    return nullptr;
}

// Each entry at the value that the host reads back once it wrote the entry's value (a mute bit
// reads 1.0 for "On"), as VST 2 hosts see it; entries that read back alike are shown once.
void writeScalePoints(std::ostream& out, SynthCommons& synth, vst::int32 index,
                      const t_ValueListEntry* values)
{
    const float initial = synth.getParameter(index);
    std::vector<float> shown;
    out << "        lv2:portProperty lv2:enumeration ;\n";
    for (const t_ValueListEntry* entry = values; entry->label; ++entry)
    {
        synth.setParameter(index, IntToFloat(entry->value));
        const float value = synth.getParameter(index);
        if (std::find(shown.begin(), shown.end(), value) != shown.end())
            continue;
        shown.push_back(value);
        out << "        lv2:scalePoint [ rdfs:label " << quoted(entry->label) << " ; rdf:value "
            << number(value) << " ] ;\n";
    }
    synth.setParameter(index, initial);
}

void writeMidiPort(std::ostream& out, std::uint32_t index, bool input)
{
    out << "    [\n        a lv2:" << (input ? "InputPort" : "OutputPort") << " , atom:AtomPort ;\n"
        << "        atom:bufferType atom:Sequence ;\n        atom:supports midi:MidiEvent ;\n"
        << "        lv2:designation lv2:control ;\n        lv2:index " << index << " ;\n"
        << "        lv2:symbol " << (input ? "\"midi_in\"" : "\"midi_out\"") << " ;\n"
        << "        lv2:name " << (input ? "\"MIDI in\"" : "\"MIDI out\"") << " ;\n"
        << "        rsz:minimumSize " << (input ? lv2::kMidiInBufferBytes : lv2::kMidiOutBufferBytes)
        << " ;\n    ]";
}

void writeParameterPort(std::ostream& out, SynthCommons& synth, const t_HostParameter& host)
{
    const auto index = static_cast<vst::int32>(host.id);
    const char* name = synth.parameterLib_GetParameterNameStringFromHost(host.id);
    out << "    [\n        a lv2:InputPort , lv2:ControlPort ;\n        lv2:index "
        << lv2::PORT_FIRST_PARAMETER + static_cast<std::uint32_t>(index) << " ;\n        lv2:symbol "
        << quoted(lv2::portSymbolOf(name).c_str()) << " ;\n        lv2:name " << quoted(name) << " ;\n"
        << "        lv2:default " << number(synth.getParameter(index))
        << " ;\n        lv2:minimum 0.0 ;\n        lv2:maximum 1.0 ;\n";
    if (const t_ValueListEntry* values = valueListOf(host))
        writeScalePoints(out, synth, index, values);
    out << "    ]";
}

void writeProgramPorts(std::ostream& out)
{
    out << "    [\n        a lv2:InputPort , lv2:ControlPort ;\n        lv2:index " << lv2::PORT_PROGRAM
        << " ;\n        lv2:symbol \"program\" ;\n        lv2:name \"Program\" ;\n"
        << "        lv2:portProperty lv2:integer ;\n        lv2:default 0 ;\n        lv2:minimum 0 ;\n"
        << "        lv2:maximum " << kNumPrograms - 1 << " ;\n    ] , [\n"
        << "        a lv2:InputPort , lv2:ControlPort ;\n        lv2:index " << lv2::PORT_MIDI_PACE << " ;\n"
        << "        lv2:symbol \"midi_pace\" ;\n        lv2:name \"MIDI pace\" ;\n"
        << "        rdfs:comment \"How fast MIDI goes to the device through the host: as a MIDI cable "
           "carries it (3125 bytes/s), or as fast as the host takes it.\" ;\n"
        << "        lv2:portProperty lv2:integer , lv2:enumeration , pprops:notAutomatic ;\n"
        << "        lv2:default 0 ;\n        lv2:minimum 0 ;\n        lv2:maximum 1 ;\n"
        << "        lv2:scalePoint [ rdfs:label \"MIDI cable\" ; rdf:value 0 ] ;\n"
        << "        lv2:scalePoint [ rdfs:label \"As fast as the host takes\" ; rdf:value 1 ] ;\n    ]";
}

// The setup page's dump requests, for hosts that show no panel.
void writeTriggerPort(std::ostream& out, std::uint32_t index, const char* symbol, const char* name)
{
    out << "    [\n        a lv2:InputPort , lv2:ControlPort ;\n        lv2:index " << index
        << " ;\n        lv2:symbol \"" << symbol << "\" ;\n        lv2:name \"" << name << "\" ;\n"
        << "        lv2:portProperty lv2:toggled , pprops:trigger , pprops:notAutomatic ;\n"
        << "        lv2:default 0 ;\n        lv2:minimum 0 ;\n        lv2:maximum 1 ;\n    ]";
}

std::string pluginDescription(const std::string& binary)
{
    SynthCommons synth(nullptr);
    std::ostringstream out;
    out << kPrefixes << "<" << lv2::kPluginUri << ">\n"
        << "    a lv2:Plugin , lv2:MIDIPlugin , doap:Project ;\n"
        << "    doap:name \"Pavonis\" ;\n"
        << "    rdfs:comment \"Remote editor for the Electribe SX (ESX): every pattern parameter on one "
           "panel, kept in step with the device over MIDI.\" ;\n"
        << "    doap:maintainer [ foaf:name \"Quillon\" ; foaf:homepage <https://quillon.example> ] ;\n"
        << "    lv2:minorVersion " << kPavonisLv2MinorVersion << " ;\n"
        << "    lv2:microVersion " << kPavonisLv2MicroVersion << " ;\n"
        << "    lv2:requiredFeature urid:map ;\n"
        << "    lv2:optionalFeature work:schedule ;\n"
        << "    lv2:extensionData state:interface , work:interface ;\n"
        << "    ui:ui <" << lv2::kUiUri << "> ;\n"
        << "    lv2:port\n";
    writeMidiPort(out, lv2::PORT_MIDI_IN, true);
    out << " , ";
    writeMidiPort(out, lv2::PORT_MIDI_OUT, false);
    for (const t_HostParameter* host = c_HostParameters; host->id != HOSTPARAM_END; ++host)
    {
        out << " , ";
        writeParameterPort(out, synth, *host);
    }
    out << " , ";
    writeProgramPorts(out);
    out << " , ";
    writeTriggerPort(out, lv2::PORT_REQUEST_PATTERN, "request_pattern", "Request current pattern");
    out << " , ";
    writeTriggerPort(out, lv2::PORT_REQUEST_BANK, "request_bank", "Request bank A");
    out << " .\n\n<" << lv2::kUiUri << ">\n"
        << "    a ui:X11UI ;\n    ui:binary <" << binary << "> ;\n"
        << "    lv2:requiredFeature ui:idleInterface , <http://lv2plug.in/ns/ext/instance-access> ;\n"
        << "    lv2:optionalFeature ui:parent , ui:resize , ui:touch ;\n"
        << "    lv2:extensionData ui:idleInterface , ui:showInterface , ui:resize .\n";
    return out.str();
}

std::string manifest(const std::string& binary)
{
    std::ostringstream out;
    out << kPrefixes << "<" << lv2::kPluginUri << ">\n    a lv2:Plugin ;\n    lv2:binary <" << binary
        << "> ;\n    rdfs:seeAlso <Pavonis.ttl> .\n\n<" << lv2::kUiUri << ">\n    a ui:X11UI ;\n"
        << "    ui:binary <" << binary << "> ;\n    rdfs:seeAlso <Pavonis.ttl> .\n";
    return out.str();
}

bool writeFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
    file.close();
    if (file)
        return true;
    std::fprintf(stderr, "make_lv2_ttl: cannot write %s\n", path.c_str());
    return false;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: make_lv2_ttl <bundle directory> <binary file name>\n");
        return 2;
    }
    const std::string bundle = argv[1];
    const std::string binary = argv[2];
    return writeFile(bundle + "/manifest.ttl", manifest(binary)) &&
                   writeFile(bundle + "/Pavonis.ttl", pluginDescription(binary))
               ? 0
               : 1;
}
