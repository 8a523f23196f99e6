// filled by the component build
