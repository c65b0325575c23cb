#error "Qt Widgets is not available to the core library; put widget code in velmaro_ui"
