#include "tests/fuzz/FuzzTarget.h"

#include "engine/backend/Window.h"
#include "engine/platform/HtmlLog.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/ImageBuffers.h"
#include "engine/script/ScriptHost.h"
#include "gui/script_api/ScriptBindings.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fuzz {

namespace {

std::vector<const FuzzTarget*>& Registry()
{
    static std::vector<const FuzzTarget*> targets;
    return targets;
}

std::string MakeTempFolder(const char* stem)
{
    std::string pattern = (std::filesystem::temp_directory_path() / stem).string() + "-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    return pattern;
}

// Both folders go when the process ends normally.
struct Folders {
    std::string dataHome;
    std::string work;
    ~Folders()
    {
        std::error_code ec;
        for (const std::string& folder : {work, dataHome})
            if (!folder.empty())
                std::filesystem::remove_all(folder, ec);
    }
};

Folders& TheFolders()
{
    static Folders folders;
    return folders;
}

} // namespace

FuzzTarget::FuzzTarget(const char* targetName, FuzzFunction function)
    : name(targetName)
    , run(function)
{
    Registry().push_back(this);
}

const std::vector<const FuzzTarget*>& Targets()
{
    return Registry();
}

const FuzzTarget* FindTarget(const std::string& name)
{
    for (const FuzzTarget* target : Registry())
        if (name == target->name)
            return target;
    return nullptr;
}

void PrepareEnvironment()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    setenv("VELMORA_SOURCE_DIR", VELMORA_SOURCE_DIR_DEFAULT, 0);
    std::setlocale(LC_NUMERIC, "C");
    Folders& folders = TheFolders();
    folders.dataHome = MakeTempFolder("velmora-fuzz-home");
    folders.work = MakeTempFolder("velmora-fuzz-work");
    setenv("XDG_DATA_HOME", folders.dataHome.c_str(), 1);
    if (chdir(folders.work.c_str()) != 0) {
        std::perror("chdir");
        std::exit(2);
    }
    // Millions of inputs would make a log of gigabytes: it stays closed
    // unless asked for, to see what a single input logs.
    if (const char* log = std::getenv("VELMORA_FUZZ_LOG"))
        g_log.Open(log, true);
}

const std::string& WorkDir()
{
    return TheFolders().work;
}

void WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(WorkDir() + "/" + name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

std::string ShippedDataPath(const std::string& name)
{
    const char* source = std::getenv("VELMORA_SOURCE_DIR");
    return std::string(source ? source : VELMORA_SOURCE_DIR_DEFAULT) + "/data/" + name;
}

void OpenGlOnce()
{
    static backend::Window window;
    if (window.IsOpen())
        return;
    backend::WindowDesc desc;
    desc.title = "fuzz";
    if (!window.Create(desc)) {
        std::fprintf(stderr, "no window for the GL targets\n");
        std::exit(2);
    }
    AllocateImageBuffers();
    g_renderDevice.Init(window);
    g_renderDevice.BeginFrame();
    g_renderDevice.Begin2D();
}

void OpenScriptOnce()
{
    static bool registered = false;
    if (registered)
        return;
    OpenScriptState();
    RegisterScriptBindings(g_luaState);
    registered = true;
}

} // namespace fuzz
