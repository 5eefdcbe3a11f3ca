// The kernel's STEP translator and its document drivers build process-wide tables once, on
// first use, and never free them. Those set-up functions are named exactly, so any other
// leak still fails a sanitizer run.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:STEPControl_Controller::Init\n"
           "leak:STEPCAFControl_Controller::Init\n"
           "leak:STEPConstruct_ContextTool::GetDefaultAxis\n"
           "leak:TPrsStd_DriverTable::Get\n";
}

// The kernel is built without frame pointers; only full unwinding shows those set-up functions.
extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}
