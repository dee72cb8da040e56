-- ardour7-lua reopen_session.lua <session folder>
-- Opens the session, lets it run, and saves it again.
local folder = arg[1]
ARDOUR.config():set_hide_dummy_backend(false)
AudioEngine:set_backend("None (Dummy)", "", "")
assert(AudioEngine:start(false) == 0, "the Dummy back end did not start")
assert(load_session(folder, "pavonis"), "the session did not open")
ARDOUR.LuaAPI.usleep(1000000)
for route in Session:get_routes():iter() do
	local plugin = route:nth_plugin(1)
	if not plugin:isnil() and plugin:name() == "Pavonis" then
		print(string.format("d1_filtercutoff %.6f", ARDOUR.LuaAPI.get_processor_param(plugin, 6)))
		print(string.format("program %d", ARDOUR.LuaAPI.get_processor_param(plugin, 67)))
	end
end
Session:save_state("", false, false, false, false, false)
print("saved")
close_session()
