// The bundle as a host reads it (lilv): the host parameters with the VST 2 plug-in's names and
// values, their lists as the device names the values, and MIDI ports with room for the largest
// message the plug-in sends or takes in one block.
#include "Lv2Host.h"
#include "host/PluginHost.h"

#include <gtest/gtest.h>
#include <lv2/atom/atom.h>
#include <lv2/midi/midi.h>
#include <lv2/resize-port/resize-port.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

namespace
{
using namespace lv2test;

constexpr std::uint32_t kPatternDumpBytes = 4898;

struct Node
{
    explicit Node(LilvNode* node) : node(node) {}
    ~Node() { lilv_node_free(node); }
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;
    LilvNode* node;
};

const LilvPort* portAt(std::uint32_t index)
{
    return lilv_plugin_get_port_by_index(World::get().plugin(), index);
}

std::string nameOf(std::uint32_t index)
{
    Node name(lilv_port_get_name(World::get().plugin(), portAt(index)));
    return name.node ? lilv_node_as_string(name.node) : "";
}

// Scale points of a port: label to value.
std::map<std::string, float> scalePointsOf(std::uint32_t index)
{
    std::map<std::string, float> points;
    LilvScalePoints* list = lilv_port_get_scale_points(World::get().plugin(), portAt(index));
    LILV_FOREACH(scale_points, i, list)
    {
        const LilvScalePoint* point = lilv_scale_points_get(list, i);
        points[lilv_node_as_string(lilv_scale_point_get_label(point))] =
            lilv_node_as_float(lilv_scale_point_get_value(point));
    }
    lilv_scale_points_free(list);
    return points;
}

TEST(Lv2Bundle, ParameterPortsAreTheVst2ParametersWithTheirNamesAndValues)
{
    const LilvPlugin* plugin = World::get().plugin();
    PluginInstance vst2;
    std::set<std::string> symbols;
    for (int i = 0; i < 67; ++i)
    {
        const std::uint32_t port = kFirstParameter + static_cast<std::uint32_t>(i);
        EXPECT_EQ(nameOf(port), vst2.parameterName(i)) << "port " << port;
        LilvNode *value = nullptr, *minimum = nullptr, *maximum = nullptr;
        lilv_port_get_range(plugin, portAt(port), &value, &minimum, &maximum);
        EXPECT_EQ(lilv_node_as_float(value), vst2.getParameter(i)) << nameOf(port);
        EXPECT_EQ(lilv_node_as_float(minimum), 0.0f);
        EXPECT_EQ(lilv_node_as_float(maximum), 1.0f);
        lilv_node_free(value);
        lilv_node_free(minimum);
        lilv_node_free(maximum);
        symbols.insert(lilv_node_as_string(lilv_port_get_symbol(plugin, portAt(port))));
    }
    EXPECT_EQ(symbols.size(), 67u) << "every symbol its own";
    EXPECT_EQ(nameOf(kProgram), "Program");
}

// The lists as the device's manual names the values.
TEST(Lv2Bundle, ListsAreScalePointsThatTheVst2PluginReadsBackAsTheyAre)
{
    struct Case
    {
        int parameter;
        std::map<std::string, float> points;
    };
    const Case cases[] = {
        {5, {{"LPF", 0.0f}, {"HPF", 32 / 127.0f}, {"BPF", 64 / 127.0f}, {"BPF+", 96 / 127.0f}}},
        {60,
         {{"None", 0.0f}, {"FX1-FX2", 32 / 127.0f}, {"FX2-FX3", 64 / 127.0f}, {"FX1-FX2-FX3", 96 / 127.0f}}},
        {65, {{"Off", 0.0f}, {"On", 1.0f}}}, // Mute Drum1: the part plays when "On"
    };
    for (const Case& c : cases)
    {
        const auto points = scalePointsOf(kFirstParameter + static_cast<std::uint32_t>(c.parameter));
        ASSERT_EQ(points.size(), c.points.size()) << nameOf(kFirstParameter + c.parameter);
        for (const auto& [label, value] : c.points)
            EXPECT_NEAR(points.at(label), value, 1e-6) << label;
    }
    PluginInstance vst2;
    for (int i = 0; i < 67; ++i)
        for (const auto& [label, value] : scalePointsOf(kFirstParameter + static_cast<std::uint32_t>(i)))
        {
            vst2.setParameter(i, value);
            EXPECT_EQ(vst2.getParameter(i), value) << vst2.parameterName(i) << " " << label;
        }
}

TEST(Lv2Bundle, MidiPortsTakeAPatternDumpInOneBlock)
{
    World& world = World::get();
    Node midiEvent(lilv_new_uri(world.world(), LV2_MIDI__MidiEvent));
    Node minimumSize(lilv_new_uri(world.world(), LV2_RESIZE_PORT__minimumSize));
    for (const std::uint32_t port : {kMidiIn, kMidiOut})
    {
        EXPECT_TRUE(lilv_port_supports_event(world.plugin(), portAt(port), midiEvent.node));
        LilvNodes* sizes = lilv_port_get_value(world.plugin(), portAt(port), minimumSize.node);
        ASSERT_TRUE(sizes) << nameOf(port);
        EXPECT_GE(lilv_node_as_int(lilv_nodes_get_first(sizes)),
                  int(sizeof(LV2_Atom_Sequence) + sizeof(LV2_Atom_Event) + kPatternDumpBytes));
        lilv_nodes_free(sizes);
    }
}
} // namespace
