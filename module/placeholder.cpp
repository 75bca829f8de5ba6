// replaced by the module library
