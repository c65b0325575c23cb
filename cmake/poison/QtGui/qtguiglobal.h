#error "Qt Gui is not available to the core library; put GUI code in velmaro_ui"
