-- The start script: loads what the first screen needs and shows it.
LoadParticles("particles.xml")
LoadEffects("effects.xml")
ShowWindowIfNoSplashes()
