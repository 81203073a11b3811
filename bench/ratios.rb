# frozen_string_literal: true

# Reads a Google Benchmark JSON report (run with repetitions) and prints the
# ratios the performance page quotes, each from the median CPU times of two
# benchmarks that ran interleaved in the same run.
#
# usage: ruby ratios.rb writer|library REPORT.json
require "json"

kind, path = ARGV
report = JSON.parse(File.read(path))
medians = report.fetch("benchmarks")
                .select { |b| b["aggregate_name"] == "median" }
                .to_h { |b| [b.fetch("run_name"), b.fetch("cpu_time")] }
abort "no medians in #{path}: run with --benchmark_repetitions" if medians.empty?
unit = report["benchmarks"].first["time_unit"]

medians.sort.each { |name, time| puts format("median %-22s %12.1f %s", name, time, unit) }
case kind
when "writer"
  ratio = medians.fetch("BM_LibxmlTextWriter") / medians.fetch("BM_OurWriter")
  puts format("RATIO libxml2_writer/our_writer %.1f (target >= 3)", ratio)
when "library"
  per_material = medians.to_h { |name, time| [Integer(name[%r{/(\d+)\z}, 1]), time / Integer(name[%r{/(\d+)\z}, 1])] }
  per_material.sort.each { |n, t| puts format("per material at %6d: %10.4f %s", n, t, unit) }
  small, large = per_material.keys.minmax
  puts format("RATIO per_material_%d/per_material_%d %.2f (target <= 1.2)", large, small,
              per_material[large] / per_material[small])
else
  abort "usage: ruby ratios.rb writer|library REPORT.json"
end
