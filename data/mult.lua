-- The scenes' scripts: each scene's "do" and "reset" functions and
-- AnimationInit, called once after mults.xml has been loaded.

local seaTime = 0

-- Where the ships are at a given time: the near one sails right, the far
-- one left, each coming round again once it has left the window.
local function PlaceShips(t)
  local ship = Sea.Ships.ship
  ship.x = (t * 24) % 440 - 70
  ship.y = 112 + 2.5 * math.sin(t * 2.1)
  ship.angle = 2.5 * math.sin(t * 1.6)
  local far = Sea.Ships.far
  far.x = 340 - (t * 9 + 120) % 420
  far.y = 124 + math.sin(t * 1.7)
  far.angle = 1.5 * math.sin(t * 1.3 + 1)
end

function SeaReset()
  seaTime = 0
  PlaceShips(seaTime)
end

function SeaDo(dt)
  seaTime = seaTime + dt
  PlaceShips(seaTime)
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
  local far = Sea.Ships.far
  far.scale = 0.5
  far.color = Color(210, 220, 235, 255)
  far:Do("WrapH")
end
