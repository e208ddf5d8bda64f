// The program's entry: the application object, run by the framework.

#include "app/ViewerApp.h"

namespace {
CViewerApp theApp;
}

int main(int argc, char* argv[]) {
    return AfxWinMain(argc, argv);
}
