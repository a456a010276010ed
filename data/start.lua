-- The start script: loads the resources, the texts and the screens, applies
-- the saved options and shows the first screen.
LoadResource("resources.xml")
LoadParticles("particles.xml")
LoadEffects("effects.xml")
LoadAnimation()
GUI:LoadText("gui\\Text.xml")
GUI:LoadLayers("gui\\Common.xml")
GUI:LoadLayers("gui\\Splash.xml")
GUI:LoadLayers("gui\\MainMenu.xml")
GUI:LoadLayers("gui\\Profiles.xml")
GUI:LoadLayers("gui\\Options.xml")
GUI:LoadLayers("gui\\Map.xml")
GUI:LoadLayers("gui\\LevelEnd.xml")

PrepareCommonScreens()
PrepareMainMenu()
PrepareProfiles()
PrepareOptions()
ApplySavedOptions()

ShowSplash()
ShowWindowIfNoSplashes()
