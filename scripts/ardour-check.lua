-- Gravelo.lv2 or Gravelo.vst3 in Ardour's own engine, without its window:
-- the plug-in on a track fed by the dummy backend's sine, its controls and
-- presets as Ardour sees them, a 10 dB step on Output at the track's meter,
-- and a control value that survives saving and reopening the session.
-- Run by scripts/ardour-check.sh (ardour7-lua) with GRAVELO_PLUGIN_TYPE
-- (LV2 or VST3) and GRAVELO_PLUGIN_ID; any failed check ends it.
local dir = os.getenv("GRAVELO_SESSION_DIR")
local kind = os.getenv("GRAVELO_PLUGIN_TYPE")
local id = os.getenv("GRAVELO_PLUGIN_ID")
AudioEngine:set_backend("None (Dummy)", "", ""):set_device_name("Sine Wave")
assert(create_session(dir, "gravelo", 48000), "cannot create a session in " .. dir)
local track = Session:new_audio_track(1, 2, nil, 1, "Bass", ARDOUR.PresentationInfo.max_order,
                                      ARDOUR.TrackMode.Normal, true, false):front()
local amp = ARDOUR.LuaAPI.new_plugin(Session, id, ARDOUR.PluginType[kind], "")
assert(not amp:isnil(), "Ardour does not find " .. kind .. " " .. id)
assert(track:add_processor_by_index(amp, 0, nil, true) == 0, "the plug-in did not go on the track")
track:monitoring_control():set_value(ARDOUR.MonitorChoice.MonitorInput, PBD.GroupControlDisposition.NoGroup)
local plugin = amp:to_insert():plugin(0)
print("plug-in: " .. plugin:name() .. " (" .. kind .. " " .. plugin:unique_id() .. ")")
assert(plugin:name() == "Gravelo I", "named " .. plugin:name())

local function control(index) return (ARDOUR.LuaAPI.get_processor_param(amp, index)) end
local function setControl(index, value) ARDOUR.LuaAPI.set_processor_param(amp, index, value) end
local function peakAfterASecond()
  ARDOUR.LuaAPI.usleep(1500000)
  return track:peak_meter():meter_level(0, ARDOUR.MeterType.MeterPeak)
end

for port = 0, plugin:parameter_count() - 1 do
  if plugin:parameter_is_control(port) then
    local range = ARDOUR.ParameterDescriptor()
    plugin:get_parameter_descriptor(port, range)
    print(string.format("  %-13s %-6s %6g .. %-6g default %g", plugin:parameter_label(port),
          plugin:parameter_is_input(port) and "input" or "output", range.lower, range.upper, range.normal))
  end
end

setControl(1, -20)
local quiet = peakAfterASecond()
setControl(1, -10)
local louder = peakAfterASecond()
print(string.format("track peak at Output -20 dB: %.2f dBFS, at -10 dB: %.2f dBFS", quiet, louder))
assert(math.abs(louder - quiet - 10) < 0.05, "Output's 10 dB step is not 10 dB at the meter")

for _, name in ipairs({"clean", "dirt", "growl", "scooped"}) do
  local preset = plugin:preset_by_label(name)
  assert(preset, "preset " .. name .. " not listed")
  assert(plugin:load_preset(preset), "preset " .. name .. " did not load")
  local values = {}
  for i = 0, 8 do values[#values + 1] = string.format("%g", control(i)) end
  print("preset " .. name .. ": " .. table.concat(values, " "))
end

setControl(1, 7.5)
Session:save_state("", false, false, false, false, false)
close_session()
assert(load_session(dir, "gravelo"), "the session does not reopen")
local reopened = Session:route_by_name("Bass"):nth_plugin(0)
local output = ARDOUR.LuaAPI.get_processor_param(reopened, 1)
print(string.format("Output after reopening the session: %g", output))
assert(output == 7.5, "the session did not keep Output")
close_session()
print("ardour-check: ok")
