-- The scenes' scripts: each scene's "do" and "reset" functions and
-- AnimationInit, called once after mults.xml has been loaded.

-- Where a scene's ships are at a given time: the near one sails right, the
-- far one left, each coming round again once it has left the window.
local function PlaceShips(scene, t)
  local ship = scene.Ships.ship
  ship.x = (t * 24) % 440 - 70
  ship.y = 112 + 2.5 * math.sin(t * 2.1)
  ship.angle = 2.5 * math.sin(t * 1.6)
  local far = scene.Ships.far
  far.x = 340 - (t * 9 + 120) % 420
  far.y = 124 + math.sin(t * 1.7)
  far.angle = 1.5 * math.sin(t * 1.3 + 1)
end

-- The far ship of a scene: smaller, paler and facing home.
local function DressFarShip(scene)
  local far = scene.Ships.far
  far.scale = 0.5
  far.color = Color(210, 220, 235, 255)
  far:Do("WrapH")
end

-- The global "do" and "reset" functions of a scene whose ships sail;
-- setUp (optional) places the rest of the scene at each reset.
local function SailingScene(name, setUp)
  local time = 0
  _G[name .. "Reset"] = function()
    time = 0
    if setUp ~= nil then
      setUp(_G[name])
    end
    PlaceShips(_G[name], time)
  end
  _G[name .. "Do"] = function(dt)
    time = time + dt
    PlaceShips(_G[name], time)
  end
end

-- A country's view fills the scene: its picture is 510 points wide.
local function PlaceLand(scene)
  local land = scene.Land.land
  land.scale = 300 / 510
  land.x = 150
  land.y = 125
end

SailingScene("Sea")
local countries = { "Phoenicia", "Babylon", "Egypt", "Carthage", "Rome", "Greece", "Troy" }
for _, country in ipairs(countries) do
  SailingScene(country, PlaceLand)
end

function AnimationInit()
  local sky = Sea.Sky
  sky.sky.x = 150
  sky.sky.y = 125
  sky.sky.color = Color(96, 150, 206, 255)
  sky.haze.x = 150
  sky.haze.y = 140
  sky.haze.color = Color(250, 226, 190, 60)
  sky.sun.x = 232
  sky.sun.y = 196
  DressFarShip(Sea)
  for _, country in ipairs(countries) do
    local scene = _G[country]
    PlaceLand(scene)
    DressFarShip(scene)
  end
end
