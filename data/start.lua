-- The start script: loads what the first screen needs and shows it.
LoadResource("resources.xml")
LoadParticles("particles.xml")
LoadEffects("effects.xml")
ShowWindowIfNoSplashes()
