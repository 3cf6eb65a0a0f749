#include <QApplication>
#include <QElapsedTimer>

#include "app/qt_interaction.h"
#include "app/startup.h"
#include "settings/data_folder.h"

int main(int argc, char** argv) {
    QElapsedTimer launched;
    launched.start();
    QApplication app(argc, argv);
    zolvane::gui::app::QtInteraction interaction;
    namespace settings = zolvane::settings;
    return zolvane::gui::app::RunProgram(
        app, interaction,
        {settings::DefaultDataFolder(), settings::FindProgramFolder(settings::ExecutableFolder())},
        launched);
}
