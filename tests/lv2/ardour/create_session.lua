-- ardour7-lua create_session.lua <session folder> <preset label>
-- A headless session (Dummy back end): a MIDI track with two Pavonis.lv2 and a MIDI monitor.
-- The first plays the device: it starts with the preset, and a program switch sends the pattern
-- as a dump, as the device sends one that is asked for. The second asks for the current
-- pattern, and the first answers through the track; then the second selects program 5 and a
-- parameter is set. What left the track at each step is printed. Saves.
local folder, devicePreset = arg[1], arg[2]
ARDOUR.config():set_hide_dummy_backend(false)
AudioEngine:set_backend("None (Dummy)", "", "")
assert(AudioEngine:start(false) == 0, "the Dummy back end did not start")
assert(create_session(folder, "pavonis", 48000), "no session")

local midi = ARDOUR.ChanCount(ARDOUR.DataType("midi"), 1)
local track = Session:new_midi_track(midi, midi, false, ARDOUR.PluginInfo(), nil, nil, 1, "Pavonis",
	ARDOUR.PresentationInfo.max_order, ARDOUR.TrackMode.Normal, true):front()
local uri = "https://quillon.example/plugins/pavonis"
local device = ARDOUR.LuaAPI.new_plugin(Session, uri, ARDOUR.PluginType.LV2, devicePreset)
local pavonis = ARDOUR.LuaAPI.new_plugin(Session, uri, ARDOUR.PluginType.LV2, "")
local monitor = ARDOUR.LuaAPI.new_luaproc(Session, "ACE MIDI Monitor")
assert(not device:isnil() and not pavonis:isnil(), "Ardour does not find Pavonis.lv2")
assert(not monitor:isnil(), "no MIDI monitor")
track:add_processor_by_index(device, 0, nil, true)
track:add_processor_by_index(pavonis, 1, nil, true)
track:add_processor_by_index(monitor, 2, nil, true)

-- The monitor keeps the first three bytes of each message in a ring of 60 slots; its first
-- word is the slot written last.
local shm = monitor:to_insert():plugin(0):to_luaproc():shmem()
local seen = shm:atomic_get_int(0)
local function printSent(label)
	local last = shm:atomic_get_int(0)
	local ring = shm:to_int(1):array()
	while seen ~= last do
		seen = seen % 60 + 1
		local at = (seen - 1) * 3 + 1
		print(string.format("%s %02x %02x %02x", label, ring[at], ring[at + 1], ring[at + 2]))
	end
end

-- Control inputs in port order: the 67 host parameters, program, MIDI pace, the two requests.
-- The pace as fast as the host takes: the test does not wait for a cable.
local D1_CUTOFF, PROGRAM, PACE, REQUEST_PATTERN = 6, 67, 68, 69
ARDOUR.LuaAPI.set_processor_param(device, PACE, 1)
ARDOUR.LuaAPI.usleep(300000)
ARDOUR.LuaAPI.set_processor_param(pavonis, REQUEST_PATTERN, 1)
ARDOUR.LuaAPI.usleep(300000)
printSent("request")

-- The device's program 7 holds the pattern it answers with.
ARDOUR.LuaAPI.set_processor_param(device, PROGRAM, 7)
ARDOUR.LuaAPI.usleep(500000)

ARDOUR.LuaAPI.set_processor_param(pavonis, PROGRAM, 5)
ARDOUR.LuaAPI.usleep(2000000) -- the pattern goes to the device as one dump, at a cable's pace
printSent("program")

ARDOUR.LuaAPI.set_processor_param(pavonis, D1_CUTOFF, 0.25)
ARDOUR.LuaAPI.usleep(300000)
printSent("parameter")

Session:save_state("", false, false, false, false, false)
print("saved")
close_session()
